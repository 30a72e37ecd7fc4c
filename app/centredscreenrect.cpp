#include "centredscreenrect.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
constexpr int minimumSide = 50;
}

QRect centredRect(const QRect &available, double aspect, double widthFraction, double heightFraction)
{
    const QRect region(available.x() + int(available.width() * (1.0 - widthFraction) / 2),
                       available.y() + int(available.height() * (1.0 - heightFraction) / 2),
                       int(available.width() * widthFraction),
                       int(available.height() * heightFraction));
    // A ratio that is no ratio would divide by zero below; the region is the best answer.
    if (!(aspect > 0.0))
        return region;

    QSize size;
    if (double(region.width()) / region.height() > aspect)
        size = QSize(int(region.height() * aspect), region.height());
    else
        size = QSize(region.width(), int(region.width() / aspect));
    if (size.width() < minimumSide && size.height() < minimumSide)
        size = QSize(minimumSide, minimumSide);

    return QRect(region.x() + (region.width() - size.width()) / 2,
                 region.y() + (region.height() - size.height()) / 2,
                 size.width(), size.height());
}

QRect centredScreenRect(double aspect, double widthFraction, double heightFraction)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    return centredRect(available, aspect, widthFraction, heightFraction);
}
