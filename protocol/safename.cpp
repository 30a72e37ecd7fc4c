#include "safename.h"

namespace {

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Other_Control;
}

} // namespace

bool SafeName::isSafeName(const QString &name)
{
    if (name.isEmpty() || name.size() > maxLength)
        return false;
    if (name == QLatin1String(".") || name.contains(QLatin1String("..")))
        return false;
    for (const QChar c : name) {
        if (isControl(c) || c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':'))
            return false;
    }
    return true;
}

bool SafeName::isCheckTime(const QString &text)
{
    if (text.size() != 14)
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

QString SafeName::printable(const QString &name)
{
    QString out;
    for (const QChar c : name.left(2 * maxLength)) {
        if (isControl(c))
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}
