#pragma once

#include <QLoggingCategory>

// Axis detail of the trend plot, mostly what panning did to the ticks.
Q_DECLARE_LOGGING_CATEGORY(lcTrend)
