#pragma once

#include <QRect>

// A rectangle of the given width/height ratio, as large as fits in the central
// region (the given fractions of the primary screen's available area).
QRect centredScreenRect(double aspect, double widthFraction, double heightFraction);

// The same within an explicit available area.
QRect centredRect(const QRect &available, double aspect, double widthFraction, double heightFraction);
