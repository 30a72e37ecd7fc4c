#include "reportstyle.h"

#include <QBrush>
#include <QColor>

#include <algorithm>

namespace {

QFont arial(double pixelSize, int weight = QFont::Normal)
{
    QFont font(QStringLiteral("arial"));
    // Truncated, as the layout's sizes were measured that way; never 0,
    // which Qt refuses.
    font.setPixelSize(std::max(1, int(pixelSize)));
    font.setWeight(weight);
    return font;
}

QPen pen(int alpha, double width)
{
    QPen p(QBrush(QColor(0, 0, 0, alpha)), width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    return p;
}

} // namespace

ReportStyle ReportStyle::forScale(double s)
{
    registerFontSubstitutes();
    ReportStyle style;
    style.s = s;
    style.title = arial(s * 8, QFont::Bold);
    style.large = arial(s * 4);
    style.medium = arial(s * 3);
    style.small = arial(s * 2.6);
    style.lineWidth = s * 0.16;
    style.majorPen = pen(255, s * 0.2);
    style.minorPen = pen(125, s * 0.1);
    return style;
}

void ReportStyle::registerFontSubstitutes()
{
    static const bool done = [] {
        QFont::insertSubstitutions(QStringLiteral("arial"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
        return true;
    }();
    Q_UNUSED(done)
}
