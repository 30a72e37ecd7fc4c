#include "fittedtext.h"

#include <QFontMetricsF>
#include <QPainter>

namespace FittedText {

void draw(QPainter &painter, const QRectF &box, int flags, const QString &text)
{
    const QFont original = painter.font();
    const double width = QFontMetricsF(original, painter.device()).horizontalAdvance(text);
    if (width <= box.width() || (flags & Qt::TextWordWrap) || original.pixelSize() <= 0) {
        painter.drawText(box, flags, text);
        return;
    }
    QFont smaller = original;
    smaller.setPixelSize(qMax(1, int(original.pixelSize() * box.width() / width)));
    painter.setFont(smaller);
    painter.drawText(box, flags, text);
    painter.setFont(original);
}

} // namespace FittedText
