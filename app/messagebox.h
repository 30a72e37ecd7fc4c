#pragma once

#include <QCoreApplication>
#include <QList>
#include <QMessageBox>
#include <QString>

#include <memory>

class QAbstractButton;
class QWidget;

// Every message box of the program. Buttons are chosen and answered by flag,
// so callers compare plain integers, whatever the label language.
class MessageBox
{
    Q_DECLARE_TR_FUNCTIONS(MessageBox)

public:
    enum Button : int {
        Ok = 0x400,
        Yes = 0x4000,
        No = 0x10000,
        Cancel = 0x400000,
    };

    // Each button carries its flag under this dynamic property.
    static constexpr const char *flagProperty = "halvora_msg_box_202011241939";

    // Shows a modal box; returns the flag of the button that closed it.
    static int show(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                    const QString &text, int buttons);
    static int critical(QWidget *parent, const QString &title, const QString &text, int buttons = Ok);
    static int information(QWidget *parent, const QString &title, const QString &text, int buttons = Ok);
    static int question(QWidget *parent, const QString &title, const QString &text, int buttons = Ok);
    static int warning(QWidget *parent, const QString &title, const QString &text, int buttons = Ok);

    // The box show() would run, not yet shown.
    static std::unique_ptr<QMessageBox> build(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                              const QString &text, int buttons);
    // Runs a built box; the flag of the clicked button, 0 when it closed without one.
    static int run(QMessageBox &box);
    // What Escape and the window's close button answer: Cancel, else No,
    // else the only button; 0 when the box cannot be dismissed that way.
    static int escapeAnswer(int buttons);

    // Test seam. A queued answer is returned by the next box, which is then
    // not shown; such boxes, and those on a platform nobody can see, are
    // remembered for takeAsked().
    struct Asked {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        int buttons;
    };
    static void preAnswer(int flag);
    static void clearPreAnswers();
    static QList<Asked> takeAsked();

private:
    static bool isInvisiblePlatform();
};
