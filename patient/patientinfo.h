#pragma once

#include <QDate>
#include <QObject>
#include <QString>

// One person's details. Height and weight are always held in centimetres
// and kilograms; the unit only chooses how they are shown and entered.
class PatientInfo : public QObject
{
    Q_OBJECT

public:
    enum Unit { Imperial = 0, Metric = 1 };

    explicit PatientInfo(QObject *parent = nullptr);

    // QObject cannot be copied; this copies every field, the empty flag included.
    void copyFrom(const PatientInfo &other);
    // Back to the initial values, every field.
    void reset();

    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    QString userId() const { return m_userId; }
    void setUserId(const QString &id) { m_userId = id; }
    int sex() const { return m_sex; }          // 0 male, anything else female
    void setSex(int sex) { m_sex = sex; }
    QDate birthday() const { return m_birthday; }
    void setBirthday(const QDate &date) { m_birthday = date; }
    double height() const { return m_height; } // cm; negative = not set
    void setHeight(double cm) { m_height = cm; }
    double weight() const { return m_weight; } // kg; negative = not set
    void setWeight(double kg) { m_weight = kg; }
    QString physician() const { return m_physician; }
    void setPhysician(const QString &physician) { m_physician = physician; }
    QString remarks() const { return m_remarks; }
    void setRemarks(const QString &remarks) { m_remarks = remarks; }
    int unit() const { return m_unit; }
    void setUnit(int unit) { m_unit = unit; }
    bool isEmpty() const { return m_empty; }
    void setEmpty(bool empty) { m_empty = empty; }

    // "yyyy/MM/dd", the stored form.
    QString birthdayText() const;
    void setBirthdayText(const QString &text) { m_birthday = birthdayFromText(text); }
    // "-" and "/" are dropped and the rest read as yyyyMMdd; anything else is an invalid date.
    static QDate birthdayFromText(const QString &text);

    QString sexText() const;
    // tr("Male") for 0, tr("Female") for any other code.
    static QString sexText(int sex);
    QString heightText(bool withUnit, bool withSpace) const;
    QString weightText(bool withUnit, bool withSpace) const;
    QString bmiText() const;

private:
    QString m_name;
    QString m_userId;
    int m_sex = 0;
    QDate m_birthday = QDate(2000, 1, 1);
    double m_height = -1.0;
    double m_weight = -1.0;
    QString m_physician;
    QString m_remarks;
    int m_unit = Imperial;
    bool m_empty = true;
};
