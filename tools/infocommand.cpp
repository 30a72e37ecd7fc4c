#include "infocommand.h"

#include <QJsonArray>
#include <QJsonDocument>

#include "oxidatacontroller.h"
#include "toolio.h"

namespace {

template<size_t N>
QJsonArray shares(const double (&bands)[N])
{
    QJsonArray array;
    for (double share : bands)
        array.append(share);
    return array;
}

} // namespace

QString InfoCommand::usage()
{
    return QStringLiteral("usage: nocturnix-tool info FILE [--branch CODE]\n");
}

int InfoCommand::run(const QStringList &args)
{
    QString path;
    QString branch;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--branch") && i + 1 < args.size()) {
            branch = args[++i];
        } else if (arg.startsWith(QLatin1String("--branch="))) {
            branch = arg.mid(9);
        } else if (!arg.startsWith(QLatin1String("--")) && path.isEmpty()) {
            path = arg;
        } else {
            err() << usage();
            return ExitUsage;
        }
    }
    if (path.isEmpty()) {
        err() << usage();
        return ExitUsage;
    }

    OxiDataController night;
    if (!night.parseFile(path, branch)) {
        err() << "cannot parse " << path << ": not a readable recording (details in the application log)\n";
        return ExitFailed;
    }
    out() << QJsonDocument(summary(night)).toJson(QJsonDocument::Indented);
    return ExitOk;
}

QJsonObject InfoCommand::summary(const OxiDataController &night)
{
    QJsonObject o;
    o.insert(QStringLiteral("fileType"), night.fileType);
    o.insert(QStringLiteral("points"), night.points.size());
    o.insert(QStringLiteral("startDateTime"),
             night.startDate.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ')
                 + night.startTime.toString(QStringLiteral("hh:mm:ss")));
    o.insert(QStringLiteral("duration"), night.duration);
    o.insert(QStringLiteral("SecPerPoint"), double(night.samplingRate));
    o.insert(QStringLiteral("o2_high"), night.spo2Max);
    o.insert(QStringLiteral("o2_avg"), night.spo2Avg);
    o.insert(QStringLiteral("o2_min"), night.spo2Min);
    o.insert(QStringLiteral("hr_max"), night.pulseMax);
    o.insert(QStringLiteral("hr_avg"), night.pulseAvg);
    o.insert(QStringLiteral("hr_min"), night.pulseMin);
    o.insert(QStringLiteral("o2score"), night.o2Score);
    o.insert(QStringLiteral("few90_duration"), night.few90Duration);
    o.insert(QStringLiteral("drops_3"), night.drops3);
    o.insert(QStringLiteral("drops_4"), night.drops4);
    o.insert(QStringLiteral("spo2Bands7"), shares(night.spo2Bands7));
    o.insert(QStringLiteral("spo2Bands3"), shares(night.spo2Bands3));
    o.insert(QStringLiteral("prBands3"), shares(night.pulseBands3));
    o.insert(QStringLiteral("validSpo2Time"), night.validSpo2Time);
    o.insert(QStringLiteral("validPrTime"), night.validPulseTime);
    return o;
}
