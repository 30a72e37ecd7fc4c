#pragma once

#include <qwt_plot_panner.h>

// Drags the trend along the time axis only. The new scale keeps the axis'
// step, so ticks stay on whole days or months instead of being re-spaced.
class YPlotPanner : public QwtPlotPanner
{
    Q_OBJECT

public:
    explicit YPlotPanner(QWidget *canvas);

public slots:
    void moveCanvas(int dx, int dy) override;
};
