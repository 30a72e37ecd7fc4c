#pragma once

#include <QObject>

class TestPatientInfo : public QObject
{
    Q_OBJECT

private slots:
    void heightText_data();
    void heightText();
    void weightText_data();
    void weightText();
    void bmiText_data();
    void bmiText();
    void newAndResetPatientsShowNothing();
    void copyFromTakesEveryField();
    void sexText_data();
    void sexText();
    void birthdayFromText_data();
    void birthdayFromText();
    void birthdayTextIsTheStoredForm();
};

class TestPatientSearchModel : public QObject
{
    Q_OBJECT

private slots:
    void displayRoleJoinsNameSexAndBirthday();
    void editRoleCompletesNameAndStoredBirthday_data();
    void editRoleCompletesNameAndStoredBirthday();
    void outsideTheListGivesNoValue();
    void setListReplacesTheRows();
};
