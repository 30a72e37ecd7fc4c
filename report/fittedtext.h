#pragma once

#include <QRectF>
#include <QString>

class QPainter;

// Text drawn into a box of the layout. A value longer than the box was made
// for (a long name, a ">250" count, a translation) is drawn in a smaller
// size of the same font instead of running into the next box.
namespace FittedText {

void draw(QPainter &painter, const QRectF &box, int flags, const QString &text);

} // namespace FittedText
