#include "toolio.h"

#include <cstdio>

QTextStream &out()
{
    static QTextStream stream(stdout);
    stream.setCodec("UTF-8");
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    stream.setCodec("UTF-8");
    return stream;
}
