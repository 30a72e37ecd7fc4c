// The trend view of one recorder with 1,000 and with 10,000 nights, one in
// five with a nap on the same day: reading the rows (one query against a
// query per night), building the points, and the whole widget build and
// replot for each range.
#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <algorithm>
#include <cstdio>

#include "datadirectory.h"
#include "recorddatabase.h"
#include "trenddata.h"
#include "trendwidget.h"

namespace {

const QString sn = QStringLiteral("BENCHTREND01");

// Rows written straight into the file in one transaction, ending today.
bool fill(const QString &path, int nights)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-fill"));
        db.setDatabaseName(path);
        if (!db.open())
            return false;
        db.transaction();
        QSqlQuery clear(db);
        ok = clear.exec(QStringLiteral("delete from tb_check")) && clear.exec(QStringLiteral("delete from tb_device"));
        QSqlQuery device(db);
        device.prepare(QStringLiteral("insert into tb_device (sn, devicename, branchcode) values (?, ?, ?)"));
        device.addBindValue(sn);
        device.addBindValue(QStringLiteral("Tarnel S"));
        device.addBindValue(QStringLiteral("2D010001"));
        ok = ok && device.exec();
        QSqlQuery record(db);
        record.prepare(QStringLiteral(
            "insert into tb_check (flowid, sn, checktime, duration, startDateTime, SecPerPoint, o2_high, o2_avg, o2_min, "
            "hr_max, hr_avg, hr_min, o2score, few90_duration, drops_3, drops_4, note, remarks, resourceID, deviceID) "
            "values (?, ?, ?, 27000, ?, 0.25, 99, ?, ?, 88, ?, 48, ?, 60, ?, ?, '', '', '', '')"));
        // Blocks of five: four nights on four days, then a nap on the fourth day.
        const int days = (nights + 4) / 5 * 4;
        const QDate first = QDate::currentDate().addDays(-days);
        for (int n = 0; n < nights && ok; ++n) {
            const bool nap = n % 5 == 4;
            const int day = n / 5 * 4 + (nap ? 3 : n % 5);
            const QDateTime start(first.addDays(day), nap ? QTime(14, 0) : QTime(22, 30));
            const QString checkTime = start.toString(QStringLiteral("yyyyMMddhhmmss"));
            record.addBindValue(sn + checkTime);
            record.addBindValue(sn);
            record.addBindValue(checkTime);
            record.addBindValue(start.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.000")));
            record.addBindValue(88 + n % 10);
            record.addBindValue(72 + n % 18);
            record.addBindValue(50 + n % 40);
            record.addBindValue(n % 7 == 0 ? 255 : n % 101);
            record.addBindValue(n % 60);
            record.addBindValue(n % 40);
            ok = record.exec();
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
double medianMilliseconds(int rounds, F work)
{
    QVector<qint64> times;
    QElapsedTimer timer;
    for (int i = 0; i < rounds; ++i) {
        timer.start();
        work();
        times.append(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    return double(times[rounds / 2]) / 1e6;
}

void run(const QString &dir, int nights)
{
    RecordDatabase &db = RecordDatabase::instance();
    if (!fill(DataDirectory(dir).databasePath(), nights)) {
        std::fprintf(stderr, "cannot fill the database in %s\n", qPrintable(dir));
        return;
    }
    const int rounds = nights > 5000 ? 5 : 15;
    qint64 sink = 0;
    const double perRecord = medianMilliseconds(rounds, [&] {
        for (const QString &time : db.recordList(sn))
            sink += db.record(sn, time).spo2Avg;
    });
    const double oneQuery = medianMilliseconds(rounds, [&] { sink += db.records(sn).size(); });
    const QVector<CheckInfo> rows = db.records(sn);
    const double points = medianMilliseconds(rounds, [&] {
        sink += TrendData::build(rows, QDateTime::currentDateTime(), TrendWeek)[TrendAvgSpO2].size();
    });
    const double construct = medianMilliseconds(rounds, [&] {
        TrendWidget w(sn);
        w.resize(1050, 700);
        w.show();
        QApplication::processEvents();
        sink += w.series();
    });

    TrendWidget w(sn);
    w.resize(1050, 700);
    w.show();
    QApplication::processEvents();
    std::printf("%6d nights (%d rows): rows per record %7.2f ms, rows in one query %6.2f ms, points %6.2f ms, "
                "widget shown %6.2f ms\n",
                nights, int(rows.size()), perRecord, oneQuery, points, construct);
    for (const char *button : {"pushButton_week", "pushButton_month", "pushButton_year"}) {
        QPushButton *b = w.findChild<QPushButton *>(QLatin1String(button));
        const double replot = medianMilliseconds(rounds, [&] { b->click(); });
        std::printf("        %-17s rebuild and replot %6.2f ms\n", button, replot);
    }
    if (sink == 42)
        std::printf(" ");
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    qputenv("HOME", dir.path().toUtf8());
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("nocturnix.*.debug=false"));
    if (!RecordDatabase::instance().openAt(dir.path())) {
        std::fprintf(stderr, "cannot open the database in %s\n", qPrintable(dir.path()));
        return 1;
    }
    for (int nights : {1000, 10000})
        run(dir.path(), nights);
    return 0;
}
