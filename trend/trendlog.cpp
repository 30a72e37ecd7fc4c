#include "trendlog.h"

Q_LOGGING_CATEGORY(lcTrend, "nocturnix.trend")
