// The record database under a long-used installation: 10 recorders with
// 1,000 nights each. Times what the record tree, the trend view and the
// download lean on: one recorder's check times, every record, one record,
// and storing one new record (a commit to disk each time).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <algorithm>
#include <cstdio>

#include "datadirectory.h"
#include "recorddatabase.h"

namespace {

constexpr int recorders = 10;
constexpr int nightsPerRecorder = 1000;

QString serial(int recorder)
{
    return QStringLiteral("BENCH%1").arg(recorder, 4, 10, QLatin1Char('0'));
}

QDateTime nightStart(int night)
{
    return QDateTime(QDate(2023, 1, 1).addDays(night), QTime(22, 30, 0)).addSecs(night * 37 % 3600);
}

// Rows written straight into the file in one transaction: building 10,000
// nights through parsed recordings would only time the parser.
bool fill(const QString &path)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-fill"));
        db.setDatabaseName(path);
        if (!db.open())
            return false;
        db.transaction();
        QSqlQuery device(db);
        device.prepare(QStringLiteral("insert into tb_device (sn, devicename, branchcode) values (?, ?, ?)"));
        QSqlQuery record(db);
        record.prepare(QStringLiteral(
            "insert into tb_check (flowid, sn, checktime, duration, startDateTime, SecPerPoint, o2_high, o2_avg, o2_min, "
            "hr_max, hr_avg, hr_min, o2score, few90_duration, drops_3, drops_4, note, remarks, resourceID, deviceID) "
            "values (?, ?, ?, ?, ?, 0.25, 99, 95, ?, 88, 61, 48, ?, ?, ?, ?, '', '', '', '')"));
        ok = true;
        for (int r = 0; r < recorders && ok; ++r) {
            device.addBindValue(serial(r));
            device.addBindValue(QStringLiteral("Tarnel S"));
            device.addBindValue(QStringLiteral("2B010000"));
            ok = device.exec();
            for (int n = 0; n < nightsPerRecorder && ok; ++n) {
                const QDateTime start = nightStart(n);
                const QString checkTime = start.toString(QStringLiteral("yyyyMMddhhmmss"));
                record.addBindValue(serial(r) + checkTime);
                record.addBindValue(serial(r));
                record.addBindValue(checkTime);
                record.addBindValue(25200 + n % 7200);
                record.addBindValue(start.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.000")));
                record.addBindValue(80 + n % 12);
                record.addBindValue(60 + n % 40);
                record.addBindValue(n % 900);
                record.addBindValue(n % 60);
                record.addBindValue(n % 40);
                ok = record.exec();
            }
        }
        if (!ok)
            std::fprintf(stderr, "fill failed: %s\n", qPrintable(record.lastError().text()));
        ok = ok && db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-fill"));
    return ok;
}

template<typename F>
double medianMicroseconds(int rounds, F work)
{
    QVector<qint64> times;
    QElapsedTimer timer;
    for (int i = 0; i < rounds; ++i) {
        timer.start();
        work(i);
        times.append(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    return double(times[rounds / 2]) / 1000;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("nocturnix.*.debug=false"));
    QTemporaryDir dir;
    qputenv("HOME", dir.path().toUtf8());
    RecordDatabase &db = RecordDatabase::instance();
    if (!db.openAt(dir.path()) || !fill(DataDirectory(dir.path()).databasePath())) {
        std::fprintf(stderr, "cannot set up the database in %s\n", qPrintable(dir.path()));
        return 1;
    }

    qint64 sink = 0;
    const QString sn = serial(recorders / 2);
    const double list = medianMicroseconds(200, [&](int) { sink += db.recordList(sn).size(); });
    const double all = medianMicroseconds(15, [&](int) { sink += db.allRecords().size(); });
    const double one = medianMicroseconds(1000, [&](int i) {
        sink += db.record(sn, nightStart(i % nightsPerRecorder).toString(QStringLiteral("yyyyMMddhhmmss"))).duration;
    });
    const double insert = medianMicroseconds(100, [&](int i) {
        CheckInfo c;
        c.sn = sn;
        c.checktime = nightStart(nightsPerRecorder + i).toString(QStringLiteral("yyyyMMddhhmmss"));
        c.flowid = c.sn + c.checktime;
        c.startDateTime = nightStart(nightsPerRecorder + i);
        c.duration = 28800;
        sink += db.insertRecord(c);
    });

    std::printf("database: %d recorders x %d nights\n", recorders, nightsPerRecorder);
    std::printf("record list of one recorder : %10.1f us (median of 200)\n", list);
    std::printf("all records                 : %10.1f us (median of 15)\n", all);
    std::printf("one record                  : %10.1f us (median of 1000)\n", one);
    std::printf("insert one record (commit)  : %10.1f us (median of 100)\n", insert);
    std::printf("(sink %lld)\n", sink);
    db.close();
    return 0;
}
