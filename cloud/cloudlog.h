#pragma once

#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcCloud)

// One entry in the application log (and the debug output) per failed request.
void cloudLog(const QString &message);
