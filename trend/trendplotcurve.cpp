#include "trendplotcurve.h"

#include <QPainter>
#include <QPen>

#include <qwt_painter.h>
#include <qwt_point_mapper.h>
#include <qwt_symbol.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// Points whose slot coordinate differs by less than this share a slot.
constexpr double slotWidth = 0.1;

} // namespace

TrendPlotCurve::TrendPlotCurve()
{
    setStyle(QwtPlotCurve::UserCurve);
    setSymbol(new QwtSymbol(QwtSymbol::Ellipse, QBrush(Qt::yellow), QPen(Qt::blue), QSize(6, 6)));
    setPen(QPen(QBrush(Qt::blue), 5, Qt::SolidLine));
}

void TrendPlotCurve::drawCurve(QPainter *painter, int style, const QwtScaleMap &xMap, const QwtScaleMap &yMap,
                               const QRectF &canvasRect, int from, int to) const
{
    QwtPlotCurve::drawCurve(painter, style, xMap, yMap, canvasRect, from, to);
    if (style != UserCurve || to <= from)
        return;

    QwtPointMapper mapper;
    mapper.setFlag(QwtPointMapper::RoundPoints, true);
    mapper.setFlag(QwtPointMapper::WeedOutPoints, false);
    const QPolygonF mapped = mapper.toPolygonF(xMap, yMap, data(), size_t(from), size_t(to));
    const int count = to - from + 1;
    if (mapped.size() != count)
        return;

    // The slot coordinate is x for a vertical curve. Sorting by it finds the
    // pairs of one slot without comparing every pair of a long history.
    const bool vertical = orientation() == Qt::Vertical;
    auto key = [&](int i) {
        const QPointF p = sample(size_t(from + i));
        return vertical ? p.x() : p.y();
    };
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(pen());
    for (size_t a = 0; a < order.size(); ++a) {
        for (size_t b = a + 1; b < order.size() && key(order[b]) - key(order[a]) < slotWidth; ++b)
            QwtPainter::drawLine(painter, mapped[order[a]], mapped[order[b]]);
    }
    painter->restore();
}
