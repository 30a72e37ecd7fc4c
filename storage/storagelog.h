#pragma once

#include <QLoggingCategory>

// SQL and file-layout detail for the debug output.
Q_DECLARE_LOGGING_CATEGORY(lcStorage)
