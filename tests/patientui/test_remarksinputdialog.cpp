#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "remarksinputdialog.h"
#include "test_patientui.h"

namespace {
remarksInputDialog *openPrompt()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *dialog = qobject_cast<remarksInputDialog *>(widget);
        if (dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}
} // namespace

void TestRemarksInputDialog::returnsTextOnlyWhenAccepted_data()
{
    QTest::addColumn<QString>("answer");   // a button's object name, or "Escape"
    QTest::addColumn<QString>("typed");    // null: the initial text is left as it is
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");

    QTest::newRow("OK returns the edited mark") << "pushButton_Ok" << "new mark" << "new mark" << true;
    QTest::newRow("OK returns the initial mark untouched") << "pushButton_Ok" << QString() << "old mark" << true;
    QTest::newRow("Cancel returns nothing") << "pushButton_Cancel" << "new mark" << "" << false;
    QTest::newRow("Escape returns nothing") << "Escape" << "new mark" << "" << false;
}

void TestRemarksInputDialog::returnsTextOnlyWhenAccepted()
{
    QFETCH(QString, answer);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(bool, ok);

    QString title;
    QString label;
    QTimer::singleShot(0, [&] {
        remarksInputDialog *dialog = openPrompt();
        if (!dialog)
            return;
        title = dialog->windowTitle();
        label = dialog->findChild<QLabel *>(QStringLiteral("label"))->text();
        if (!typed.isNull())
            dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->setText(typed);
        if (answer == QLatin1String("Escape"))
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            dialog->findChild<QPushButton *>(answer)->click();
    });
    bool accepted = !ok;
    const QString result = remarksInputDialog::getText(nullptr, QStringLiteral("Mark"), QStringLiteral("Mark:"),
                                                       QStringLiteral("old mark"), &accepted);
    QCOMPARE(title, QStringLiteral("Mark"));
    QCOMPARE(label, QStringLiteral("Mark:"));
    QCOMPARE(result, text);
    QCOMPARE(accepted, ok);
}
