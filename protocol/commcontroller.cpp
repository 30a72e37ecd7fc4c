#include "commcontroller.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtMath>

#include "appconfig.h"
#include "branchcodes.h"
#include "communication.h"
#include "loghelper.h"
#include "protocollog.h"
#include "recorddatabase.h"
#include "recordingstore.h"

namespace {

void appLog(const QString &message)
{
    LogHelper::instance()->write(message);
}

// Closes the link on every way out of an operation.
class OpenLink
{
public:
    explicit OpenLink(Communication &comm)
        : m_comm(comm)
        , m_open(comm.openDevice())
    {
    }
    ~OpenLink() { m_comm.closeDevice(); }
    bool isOpen() const { return m_open; }

private:
    Communication &m_comm;
    bool m_open;
};

} // namespace

QString CommController::endMessage(int code)
{
    // The window's context: one set of translations for window and tool.
    switch (code) {
    case Downloaded: return QCoreApplication::translate("MainWindow", "All file downloaded.");
    case NoRecorder: return QCoreApplication::translate("MainWindow", "Can not connect to device.");
    case NoInformation: return QCoreApplication::translate("MainWindow", "Can not get device information.");
    case FileNotCreated: return QCoreApplication::translate("MainWindow", "Create file failed.");
    case TransferNotStarted: return QCoreApplication::translate("MainWindow", "Can not get file information.");
    case NothingNew: return QCoreApplication::translate("MainWindow", "No data.");
    case DownloadFailed: return QCoreApplication::translate("MainWindow", "Download failed.");
    default: return QString();
    }
}

CommController::CommController(QObject *parent)
    : DeviceController(parent)
    , m_comm(new Communication(this))
    , m_now([] { return QDateTime::currentDateTime(); })
{
    // The thread is a member, not a child: a child would move into itself.
    connect(m_comm, &Communication::downloadProgress, this, &CommController::getDownloadProgress,
            Qt::DirectConnection);
    connect(&m_thread, &QThread::finished, this, &CommController::onThreadExit, Qt::DirectConnection);
    moveToThread(&m_thread);
    m_thread.start(QThread::InheritPriority);
}

CommController::~CommController()
{
    stop(true);
    qCDebug(lcProtocol) << "CommController terminate";
}

void CommController::setLinkClock(LinkClock &clock)
{
    m_comm->setClock(clock);
}

void CommController::setInterval(int milliseconds)
{
    m_comm->setInterval(milliseconds);
}

ConstDeviceInfoPtr CommController::deviceInfo() const
{
    return m_comm->deviceInfo();
}

QStringList CommController::paramStrings() const
{
    return m_comm->paramStrings();
}

QByteArray CommController::configBlockA() const
{
    return m_comm->configBlockA();
}

QByteArray CommController::configBlockB() const
{
    return m_comm->configBlockB();
}

bool CommController::usesConfigBlockA() const
{
    return BranchCodes::usesConfigBlockA(deviceInfo()->branchCode());
}

bool CommController::usesConfigBlockB() const
{
    return BranchCodes::usesConfigBlockB(deviceInfo()->branchCode());
}

void CommController::stop(bool wait)
{
    if (!m_thread.isRunning())
        return;
    m_stop = true;
    m_comm->setStop(true);
    m_thread.quit();
    if (wait)
        m_thread.wait();
}

bool CommController::isFinished() const
{
    return m_thread.isFinished() || !m_thread.isRunning();
}

void CommController::terminate()
{
    if (!m_thread.isRunning())
        return;
    m_thread.terminate();
    m_thread.wait();
}

void CommController::onThreadExit()
{
    qCDebug(lcProtocol) << "thread exit";
}

void CommController::noteBranchCode(const QString &branchCode)
{
    if (branchCode.isEmpty())
        return;
    AppConfig::instance().setBranchCode(branchCode);
    emit findBranchCode();
}

int CommController::pingDevice()
{
    int aes = -1;
    {
        OpenLink link(*m_comm);
        if (!link.isOpen()) {
            appLog(QStringLiteral("open dev failed."));
            emit pingResult(false, false);
            return NoRecorder;
        }
        if (!m_comm->getDeviceInfo()) {
            qCDebug(lcProtocol) << "get device information failed.";
            appLog(QStringLiteral("get device information failed."));
            emit pingResult(false, false);
            return NoInformation;
        }
        const QString code = deviceInfo()->branchCode();
        if (BranchCodes::isRefused(code)) {
            appLog(QStringLiteral("unknown dev."));
            emit pingResult(false, false);
            return DownloadFailed;
        }
        noteBranchCode(code);
        aes = m_comm->isAESComm();
    }
    setClockOfNewRecorder();
    emit pingResult(true, aes == 1);
    return 0;
}

void CommController::setClockOfNewRecorder()
{
    const QString sn = deviceInfo()->serialNumber();
    if (sn == m_clockSetFor)
        return;
    m_clockSetFor = sn;
    qCDebug(lcProtocol) << "[INFO]" << "auto sync time";
    if (syncTime(m_now()) != 0)
        qCDebug(lcProtocol) << "[ERR]" << "auto sync time err";
}

void CommController::startDownload()
{
    appLog(QStringLiteral("start download."));
    m_comm->setDataDirectory(RecordDatabase::instance().dataDir());
    const int code = download();
    // Closed before the end is reported: the window may call into the link
    // from its own thread as soon as it hears of it.
    m_comm->closeDevice();
    emit downloadEnd(code);
}

int CommController::download()
{
    if (!m_comm->openDevice()) {
        appLog(QStringLiteral("open dev failed."));
        emit pingResult(false, m_comm->isAESComm() == 1);
        return NoRecorder;
    }
    if (!m_comm->getDeviceInfo()) {
        qCDebug(lcProtocol) << "get device information failed.";
        appLog(QStringLiteral("get device information failed."));
        return NoInformation;
    }
    const ConstDeviceInfoPtr info = deviceInfo();
    const QString sn = info->serialNumber();
    const QString branchCode = info->branchCode();
    // Checked before the device row is written: a refused recorder must not
    // appear in the tree as an empty device.
    if (BranchCodes::isRefused(branchCode))
        return DownloadFailed;
    RecordDatabase::instance().insertOrUpdateDevice(*info);
    emit pingResult(true, m_comm->isAESComm() == 1);
    noteBranchCode(branchCode);

    const QStringList names = downloadList(sn);
    if (names.isEmpty())
        return NothingNew;
    m_fileCount = names.size();
    emit updateDownloadProgressBar(QString(), 0, m_fileCount * 100);

    bool allStored = true;
    for (int i = 0; i < names.size() && !m_stop; ++i) {
        m_fileName = names.at(i);
        m_fileIndex = i;
        qCDebug(lcProtocol) << "[INFO] start download:" << m_fileName;
        const int result = m_comm->downloadFile(m_fileName, m_fileName);
        if (result != Communication::DownloadOk)
            return result;
        allStored = storeDownloaded(sn, m_fileName, branchCode) && allStored;
    }
    return allStored ? Downloaded : DownloadFailed;
}

QStringList CommController::downloadList(const QString &sn)
{
    RecordDatabase &db = RecordDatabase::instance();
    const QStringList stored = db.recordList(sn);
    QStringList listed;
    if (!m_comm->getFileList(listed))
        appLog(QStringLiteral("get device record list failed."));

    // Tombstones are asked per recording: two recorders may well hold
    // nights that started in the same second.
    QStringList names;
    for (const QString &name : qAsConst(listed)) {
        if (names.contains(name) || stored.contains(name) || db.isDeleted(sn + name))
            continue;
        names.append(name);
    }
    qCDebug(lcProtocol) << "file list in db" << stored;
    qCDebug(lcProtocol) << "download list" << names;
    if (m_comm->protocolType() != 1)
        return names;

    QStringList downloadable;
    for (const QString &name : qAsConst(names)) {
        int error = 0;
        if (m_comm->checkFile(name, error))
            downloadable.append(name);
    }
    return downloadable;
}

bool CommController::storeDownloaded(const QString &sn, const QString &name, const QString &branchCode)
{
    using StoreResult = RecordingStore::StoreResult;
    RecordDatabase &db = RecordDatabase::instance();
    const StoreResult result = RecordingStore(db).registerDownloaded(sn, name, branchCode);
    if (result == StoreResult::Stored) {
        // A file that does not parse keeps its row without a start; the
        // repair at the next open reads it again.
        if (!db.record(sn, name).startDateTime.isValid())
            emit fileStoreProblem(sn, name, tr("%1 could not be read; it is kept and read again at the next start.").arg(name));
        emit fileDownloadSuccess(sn, name);
        return true;
    }
    if (RecordingStore::isDeliberateSkip(result))
        return true;
    // Without its row the file must go too: the recorder still holds the
    // night, and the next download fetches it again.
    QFile::remove(db.dataDir() + QLatin1Char('/') + sn + QLatin1Char('/') + name);
    appLog(QStringLiteral("(%1)(%2) downloaded but not stored: %3").arg(sn, name, RecordingStore::text(result)));
    emit fileStoreProblem(sn, name, tr("%1 was not stored (%2); it is fetched again with the next download.")
                                        .arg(name, RecordingStore::text(result)));
    return false;
}

void CommController::getDownloadProgress(int downloadState, int byteDownload, int totalByte)
{
    Q_UNUSED(downloadState)
    const double share = totalByte > 0 ? double(byteDownload) * 100.0 / totalByte : 100.0;
    const int value = qFloor(share + m_fileIndex * 100.0 + 0.5);
    emit updateDownloadProgressBar(m_fileName, value, m_fileCount * 100);
}

int CommController::factoryReset()
{
    OpenLink link(*m_comm);
    if (!link.isOpen())
        return NoRecorder;
    return m_comm->factoryReset() ? 0 : 3;
}

int CommController::getConfig()
{
    OpenLink link(*m_comm);
    if (!link.isOpen())
        return NoRecorder;
    return m_comm->getConfig() ? 0 : 6;
}

int CommController::setParam(int type, int a, int b, int c, int d)
{
    OpenLink link(*m_comm);
    if (!link.isOpen())
        return NoRecorder;
    return m_comm->setParam(quint8(type), quint8(a), quint8(b), quint8(c), quint8(d), 5000) ? 0 : 5;
}

int CommController::syncParam(const QString &text, bool openFirst)
{
    if (openFirst && !m_comm->openDevice()) {
        m_comm->closeDevice();
        return NoRecorder;
    }
    const bool ok = m_comm->syncParam(text);
    m_comm->closeDevice();
    return ok ? 0 : 5;
}

int CommController::syncTime(const QDateTime &time)
{
    OpenLink link(*m_comm);
    if (!link.isOpen())
        return NoRecorder;
    switch (m_comm->protocolType()) {
    case 1: {
        QJsonObject object;
        object.insert(QStringLiteral("SetTIME"), time.toString(QStringLiteral("yyyy-MM-dd,hh:mm:ss")));
        return m_comm->syncParam(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact))) ? 0 : 5;
    }
    case 2:
        return m_comm->setTime(time) ? 0 : 4;
    default:
        return 7;
    }
}

bool CommController::isRecorderLocked() const
{
    return m_comm->isRecorderLocked();
}
