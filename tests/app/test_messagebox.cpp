#include "test_app.h"

#include "messagebox.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QMap>
#include <QTest>
#include <QTimer>

namespace {
using Flags = QList<int>;

int flagOf(const QAbstractButton *button)
{
    return button ? button->property(MessageBox::flagProperty).toInt() : 0;
}

QAbstractButton *buttonWithFlag(const QMessageBox &box, int flag)
{
    for (QAbstractButton *button : box.buttons()) {
        if (flagOf(button) == flag)
            return button;
    }
    return nullptr;
}
} // namespace

void TestMessageBox::cleanup()
{
    MessageBox::clearPreAnswers();
    MessageBox::takeAsked();
}

void TestMessageBox::buildsButtons_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<Flags>("order");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<int>("defaultFlag");
    QTest::addColumn<int>("escapeFlag");

    using M = MessageBox;
    QTest::newRow("OK alone") << int(M::Ok) << Flags{M::Ok} << QStringList{"OK"} << 0 << int(M::Ok);
    QTest::newRow("no flag still offers OK") << 0 << Flags{M::Ok} << QStringList{"OK"} << 0 << int(M::Ok);
    QTest::newRow("OK Cancel") << (M::Ok | M::Cancel) << Flags{M::Ok, M::Cancel} << QStringList{"OK", "Cancel"}
                               << int(M::Cancel) << int(M::Cancel);
    QTest::newRow("Yes No: No is default and escape") << (M::Yes | M::No) << Flags{M::Yes, M::No}
                                                      << QStringList{"Yes", "No"} << int(M::No) << int(M::No);
    QTest::newRow("No outranks Cancel as default, Cancel escapes")
        << (M::No | M::Cancel | M::Yes) << Flags{M::Cancel, M::Yes, M::No} << QStringList{"Cancel", "Yes", "No"}
        << int(M::No) << int(M::Cancel);
    QTest::newRow("all four in fixed order") << (M::No | M::Yes | M::Cancel | M::Ok)
                                             << Flags{M::Ok, M::Cancel, M::Yes, M::No}
                                             << QStringList{"OK", "Cancel", "Yes", "No"} << int(M::No)
                                             << int(M::Cancel);
    QTest::newRow("OK Yes cannot be dismissed") << (M::Ok | M::Yes) << Flags{M::Ok, M::Yes}
                                                << QStringList{"OK", "Yes"} << 0 << 0;
}

void TestMessageBox::buildsButtons()
{
    QFETCH(int, buttons);
    QFETCH(Flags, order);
    QFETCH(QStringList, labels);
    QFETCH(int, defaultFlag);
    QFETCH(int, escapeFlag);

    const auto box = MessageBox::build(nullptr, QMessageBox::Warning, "Title", "Text", buttons);
    QCOMPARE(box->icon(), QMessageBox::Warning);
    QCOMPARE(box->windowTitle(), QString("Title"));
    QCOMPARE(box->text(), QString("Text"));
    QVERIFY(box->isModal());

    Flags flags;
    QStringList texts;
    for (const QAbstractButton *button : box->buttons()) {
        flags << flagOf(button);
        texts << button->text();
    }
    QCOMPARE(flags, order);
    QCOMPARE(texts, labels);
    if (defaultFlag)
        QCOMPARE(flagOf(box->defaultButton()), defaultFlag);
    QCOMPARE(flagOf(box->escapeButton()), escapeFlag);
    QCOMPARE(MessageBox::escapeAnswer(buttons), escapeFlag);
}

void TestMessageBox::returnsFlagOfClosingButton_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("expected");

    using M = MessageBox;
    QTest::newRow("click Yes") << (M::Yes | M::No) << "click Yes" << int(M::Yes);
    QTest::newRow("click Cancel") << (M::Ok | M::Cancel) << "click Cancel" << int(M::Cancel);
    QTest::newRow("Enter takes No, not Yes") << (M::Yes | M::No | M::Cancel) << "enter" << int(M::No);
    QTest::newRow("Escape is Cancel") << (M::Yes | M::No | M::Cancel) << "escape" << int(M::Cancel);
    QTest::newRow("Escape is No without Cancel") << (M::Yes | M::No) << "escape" << int(M::No);
    QTest::newRow("close button is No") << (M::Yes | M::No) << "close" << int(M::No);
    QTest::newRow("close button is the only button") << int(M::Ok) << "close" << int(M::Ok);
    QTest::newRow("Escape ignored without a way out") << (M::Ok | M::Yes) << "escape, then click Yes"
                                                      << int(M::Yes);
}

void TestMessageBox::returnsFlagOfClosingButton()
{
    QFETCH(int, buttons);
    QFETCH(QString, action);
    QFETCH(int, expected);

    const auto box = MessageBox::build(nullptr, QMessageBox::Question, "Title", "Text", buttons);
    QMessageBox *shown = box.get();
    QTimer::singleShot(0, shown, [shown, action] {
        if (action == "click Yes")
            buttonWithFlag(*shown, MessageBox::Yes)->click();
        else if (action == "click Cancel")
            buttonWithFlag(*shown, MessageBox::Cancel)->click();
        else if (action == "enter")
            QTest::keyClick(shown, Qt::Key_Return);
        else if (action == "close")
            shown->close();
        else
            QTest::keyClick(shown, Qt::Key_Escape);
        if (action == "escape, then click Yes" && shown->isVisible())
            buttonWithFlag(*shown, MessageBox::Yes)->click();
    });
    // A box that ignored the action must fail the test, not hang it.
    QTimer::singleShot(5000, shown, [shown] { shown->done(0); });

    QCOMPARE(MessageBox::run(*box), expected);
}

void TestMessageBox::preAnsweredBoxIsNotShown_data()
{
    QTest::addColumn<QString>("shorthand");
    QTest::addColumn<int>("icon");

    QTest::newRow("critical") << "critical" << 3;
    QTest::newRow("information") << "information" << 1;
    QTest::newRow("question") << "question" << 4;
    QTest::newRow("warning") << "warning" << 2;
}

void TestMessageBox::preAnsweredBoxIsNotShown()
{
    QFETCH(QString, shorthand);
    QFETCH(int, icon);
    using Shorthand = int (*)(QWidget *, const QString &, const QString &, int);
    const QMap<QString, Shorthand> shorthands{{"critical", &MessageBox::critical},
                                              {"information", &MessageBox::information},
                                              {"question", &MessageBox::question},
                                              {"warning", &MessageBox::warning}};
    const Shorthand ask = shorthands.value(shorthand);

    MessageBox::preAnswer(MessageBox::Yes);
    MessageBox::preAnswer(MessageBox::Cancel);
    const int buttons = MessageBox::Yes | MessageBox::No | MessageBox::Cancel;
    QCOMPARE(ask(nullptr, "First", "one", buttons), int(MessageBox::Yes));
    QCOMPARE(ask(nullptr, "Second", "two", buttons), int(MessageBox::Cancel));

    const QList<MessageBox::Asked> asked = MessageBox::takeAsked();
    QCOMPARE(asked.size(), 2);
    QCOMPARE(int(asked[0].icon), icon);
    QCOMPARE(asked[0].title, QString("First"));
    QCOMPARE(asked[0].text, QString("one"));
    QCOMPARE(asked[0].buttons, buttons);
    QCOMPARE(asked[1].title, QString("Second"));
    QVERIFY(MessageBox::takeAsked().isEmpty());
}

void TestMessageBox::invisiblePlatformAnswersAsDismissed_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("expected");

    using M = MessageBox;
    QTest::newRow("OK") << int(M::Ok) << int(M::Ok);
    QTest::newRow("Yes No: never Yes unasked") << (M::Yes | M::No) << int(M::No);
    QTest::newRow("Yes No Cancel") << (M::Yes | M::No | M::Cancel) << int(M::Cancel);
    QTest::newRow("OK Yes: nothing chosen") << (M::Ok | M::Yes) << 0;
}

void TestMessageBox::invisiblePlatformAnswersAsDismissed()
{
    QFETCH(int, buttons);
    QFETCH(int, expected);

    QTest::ignoreMessage(QtWarningMsg, "message box not shown on this platform: Title | Text");
    QCOMPARE(MessageBox::question(nullptr, "Title", "Text", buttons), expected);
    QCOMPARE(MessageBox::takeAsked().size(), 1);
}
