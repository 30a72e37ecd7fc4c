#pragma once

#include <QJsonObject>
#include <QStringList>

class Communication;

// `nocturnix-tool ping`: opens the link to a recorder and prints what it
// says about itself as JSON.
class PingCommand
{
public:
    static QString usage();
    int run(const QStringList &args);

    static QJsonObject summary(const Communication &link);
};
