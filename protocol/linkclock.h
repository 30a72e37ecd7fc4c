#pragma once

#include <QtGlobal>

// Time as the command layer sees it: the exchange's time limits and its
// pauses between polls. Tests hand in a clock whose sleep only advances it.
class LinkClock
{
public:
    virtual ~LinkClock();
    virtual qint64 nowMs() = 0;   // milliseconds since 1970-01-01 UTC
    virtual void sleepMs(int milliseconds) = 0;

    // The wall clock and a real sleep of the calling thread.
    static LinkClock &system();
};
