#pragma once

#include <QLoggingCategory>

// Debug log of the device link: replies that do not decode, and why.
Q_DECLARE_LOGGING_CATEGORY(lcProtocol)
