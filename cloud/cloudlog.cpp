#include "cloudlog.h"

#include "loghelper.h"

Q_LOGGING_CATEGORY(lcCloud, "nocturnix.cloud")

void cloudLog(const QString &message)
{
    qCWarning(lcCloud).noquote() << message;
    LogHelper::instance()->write(message);
}
