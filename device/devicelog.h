#pragma once

#include <QLoggingCategory>

// Debug log of the USB transports: the byte trace and bridge faults.
Q_DECLARE_LOGGING_CATEGORY(lcDevice)
