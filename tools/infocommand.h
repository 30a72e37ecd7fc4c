#pragma once

#include <QJsonObject>
#include <QStringList>

class OxiDataController;

// `nocturnix-tool info FILE [--branch CODE]`: the summary of one recording as JSON.
class InfoCommand
{
public:
    static QString usage();
    int run(const QStringList &args);

    static QJsonObject summary(const OxiDataController &night);
};
