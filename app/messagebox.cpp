#include "messagebox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDebug>
#include <QPushButton>

namespace {
QList<int> &preAnswers()
{
    static QList<int> answers;
    return answers;
}

QList<MessageBox::Asked> &askedBoxes()
{
    static QList<MessageBox::Asked> asked;
    return asked;
}

// A box without any known flag still needs a way out.
int usableButtons(int buttons)
{
    const int known = MessageBox::Ok | MessageBox::Cancel | MessageBox::Yes | MessageBox::No;
    return (buttons & known) ? (buttons & known) : MessageBox::Ok;
}
} // namespace

int MessageBox::escapeAnswer(int buttons)
{
    buttons = usableButtons(buttons);
    if (buttons & Cancel)
        return Cancel;
    if (buttons & No)
        return No;
    const bool onlyOne = (buttons & (buttons - 1)) == 0;
    return onlyOne ? buttons : 0;
}

std::unique_ptr<QMessageBox> MessageBox::build(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                               const QString &text, int buttons)
{
    auto box = std::make_unique<QMessageBox>(parent);
    box->setModal(true);
    box->setIcon(icon);
    box->setWindowTitle(title);
    box->setText(text);

    struct Choice {
        Button flag;
        QString label;
        QMessageBox::ButtonRole role;
    };
    const Choice choices[] = {
        {Ok, tr("OK"), QMessageBox::AcceptRole},
        {Cancel, tr("Cancel"), QMessageBox::RejectRole},
        {Yes, tr("Yes"), QMessageBox::YesRole},
        {No, tr("No"), QMessageBox::NoRole},
    };
    buttons = usableButtons(buttons);
    const int escape = escapeAnswer(buttons);
    QPushButton *cancel = nullptr;
    QPushButton *no = nullptr;
    for (const Choice &choice : choices) {
        if (!(buttons & choice.flag))
            continue;
        QPushButton *button = box->addButton(choice.label, choice.role);
        button->setProperty(flagProperty, int(choice.flag));
        if (choice.flag == Cancel)
            cancel = button;
        if (choice.flag == No)
            no = button;
        if (choice.flag == escape)
            box->setEscapeButton(button);
    }
    if (no || cancel)
        box->setDefaultButton(no ? no : cancel);
    return box;
}

int MessageBox::run(QMessageBox &box)
{
    box.exec();
    const QAbstractButton *clicked = box.clickedButton();
    return clicked ? clicked->property(flagProperty).toInt() : 0;
}

bool MessageBox::isInvisiblePlatform()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return true;
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

int MessageBox::show(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
                     int buttons)
{
    if (!preAnswers().isEmpty()) {
        askedBoxes().append({icon, title, text, buttons});
        return preAnswers().takeFirst();
    }
    // Nobody could click a box here (tests, headless runs): waiting would hang
    // for ever, so the box answers as if dismissed, the cautious choice.
    if (isInvisiblePlatform()) {
        askedBoxes().append({icon, title, text, buttons});
        qWarning().noquote() << "message box not shown on this platform:" << title << '|' << text;
        return escapeAnswer(buttons);
    }
    const std::unique_ptr<QMessageBox> box = build(parent, icon, title, text, buttons);
    return run(*box);
}

int MessageBox::critical(QWidget *parent, const QString &title, const QString &text, int buttons)
{
    return show(parent, QMessageBox::Critical, title, text, buttons);
}

int MessageBox::information(QWidget *parent, const QString &title, const QString &text, int buttons)
{
    return show(parent, QMessageBox::Information, title, text, buttons);
}

int MessageBox::question(QWidget *parent, const QString &title, const QString &text, int buttons)
{
    return show(parent, QMessageBox::Question, title, text, buttons);
}

int MessageBox::warning(QWidget *parent, const QString &title, const QString &text, int buttons)
{
    return show(parent, QMessageBox::Warning, title, text, buttons);
}

void MessageBox::preAnswer(int flag)
{
    preAnswers().append(flag);
}

void MessageBox::clearPreAnswers()
{
    preAnswers().clear();
}

QList<MessageBox::Asked> MessageBox::takeAsked()
{
    QList<Asked> asked;
    asked.swap(askedBoxes());
    return asked;
}
