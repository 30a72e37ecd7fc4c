// Upload and restore of a few hundred demo nights against the local stand-in
// of the cloud service, beside the same number of bare HTTP round trips to
// that server: the difference is what signing, JSON, files and the
// database cost per night.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <cstdio>

#include "buildconfig.h"
#include "demogenerator.h"
#include "fakecloudserver.h"
#include "recorddatabase.h"
#include "synchelper.h"

namespace {

constexpr int wantedNights = 500;
constexpr int userId = 31;
const char *const email = "bench@example.org";
const char *const password = "bench";

int storedNights()
{
    int nights = 0;
    for (const QVector<CheckInfo> &device : RecordDatabase::instance().allRecords())
        nights += device.size();
    return nights;
}

bool syncOnce(SyncHelper &helper, double &ms)
{
    QSignalSpy done(&helper, &SyncHelper::endDownload);
    QElapsedTimer timer;
    timer.start();
    emit helper.sync();
    if (!done.wait(600000))
        return false;
    ms = timer.nsecsElapsed() / 1e6;
    return done.takeFirst().at(0).toBool();
}

double bareRoundTrips(const QString &url, int count)
{
    QNetworkAccessManager manager;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i) {
        QNetworkRequest request{QUrl(url)};
        request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
        QNetworkReply *reply = manager.post(request, QByteArray("{}"));
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
        reply->deleteLater();
    }
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir source;
    QTemporaryDir target;

    // Each demo pass holds the same recorders; moving it by whole years
    // gives new nights instead of the same ones again.
    int uploadable = 0;
    for (int pass = 0; uploadable < wantedNights && pass < 20; ++pass) {
        DemoGenerator demo;
        demo.shiftDays(-366 * pass);
        if (!demo.generate(source.path())) {
            std::fprintf(stderr, "demo failed: %s\n", qPrintable(demo.error()));
            return 1;
        }
        uploadable = 0;
        for (const QVector<CheckInfo> &device : RecordDatabase::instance().allRecords()) {
            // The demo's infant recorder is a model the cloud does not keep.
            if (!device.isEmpty() && device.first().sn != QLatin1String("OU2201004517"))
                uploadable += device.size();
        }
    }

    FakeCloudServer server(QString::fromLatin1(NOCTURNIX_SIGN_SALT));
    server.addAccount(QString::fromLatin1(email), QString::fromLatin1(password), userId, {7});
    if (!server.listen()) {
        std::fprintf(stderr, "local server does not listen\n");
        return 1;
    }
    SyncHelper helper(server.apiUrl(), CloudTimeouts(), QString::fromLatin1(NOCTURNIX_SIGN_SALT));
    QSignalSpy login(&helper, &SyncHelper::loginReturn);
    emit helper.goLogin(QString::fromLatin1(email), QString::fromLatin1(password));
    if (!login.wait(10000) || !login.takeFirst().at(0).toBool()) {
        std::fprintf(stderr, "login failed\n");
        return 1;
    }

    double uploadMs = 0;
    if (!syncOnce(helper, uploadMs)) {
        std::fprintf(stderr, "upload failed\n");
        return 1;
    }
    const int uploaded = server.records(userId).size();

    RecordDatabase::instance().close();
    if (!RecordDatabase::instance().openAt(target.path())) {
        std::fprintf(stderr, "cannot open the restore database\n");
        return 1;
    }
    double restoreMs = 0;
    if (!syncOnce(helper, restoreMs)) {
        std::fprintf(stderr, "restore failed\n");
        return 1;
    }
    const int restored = storedNights();
    helper.shutdown();

    const double bareMs = bareRoundTrips(server.apiUrl() + QStringLiteral("/bench/echo"), uploaded);
    std::printf("sync, %d nights uploaded, %d restored\n", uploaded, restored);
    std::printf("  upload             %8.1f ms  %7.3f ms/night\n", uploadMs, uploadMs / uploaded);
    std::printf("  restore            %8.1f ms  %7.3f ms/night\n", restoreMs, restoreMs / qMax(1, restored));
    std::printf("  bare round trips   %8.1f ms  %7.3f ms/request (%d)\n", bareMs, bareMs / uploaded, uploaded);
    RecordDatabase::instance().close();
    return restored == uploaded ? 0 : 1;
}
