#pragma once

#include <QDate>
#include <QObject>

class QSpinBox;

// The height and weight boxes of a patient form, in centimetres and
// kilograms or in feet, inches and pounds. The person's metric values are
// remembered across unit switches; a value shown in metric and left alone
// keeps its stored decimals.
class UnitEntry : public QObject
{
    Q_OBJECT

public:
    // The boxes stay owned by their form; the second height box is the inches.
    UnitEntry(QSpinBox *height, QSpinBox *inches, QSpinBox *weight, QObject *parent = nullptr);

    int unit() const { return m_unit; }
    // Remembers the person's values and shows them in the unit.
    void showPerson(double heightCm, double weightKg, int unit);
    // The user switched units: what is entered now is carried over.
    void switchTo(int unit);

    bool isHeightMissing() const;
    bool isWeightMissing() const;
    // The first thing wrong with the entered birthday, weight and height, in
    // the order the dialogs check them and translated in the asking dialog's
    // context; empty when the details can be stored.
    QString inputProblem(const char *context, const QDate &birthday) const;
    // What is entered, in centimetres and kilograms.
    double heightCm() const;
    double weightKg() const;

private:
    void onHeightEdited(int value);
    void onWeightEdited(int value);
    void show(int unit);

    QSpinBox *m_height;
    QSpinBox *m_inches;
    QSpinBox *m_weight;
    int m_unit;
    double m_heightCm = 0.0;
    double m_weightKg = 0.0;
};
