#include "linkclock.h"

#include <QDateTime>
#include <QThread>

namespace {

class SystemClock : public LinkClock
{
public:
    qint64 nowMs() override { return QDateTime::currentMSecsSinceEpoch(); }
    void sleepMs(int milliseconds) override
    {
        if (milliseconds > 0)
            QThread::msleep(static_cast<unsigned long>(milliseconds));
    }
};

} // namespace

LinkClock::~LinkClock() = default;

LinkClock &LinkClock::system()
{
    static SystemClock clock;
    return clock;
}
