#include "communication.h"

#include <QDir>
#include <QSaveFile>

#include "branchcodes.h"
#include "commpkg.h"
#include "hidaccess.h"
#include "hidbase.h"
#include "hidch9326.h"
#include "hidclass.h"
#include "hidoriginal.h"
#include "keyexchange.h"
#include "legacypkg.h"
#include "linkcipher.h"
#include "linkclock.h"
#include "loghelper.h"
#include "protocollog.h"
#include "safename.h"

namespace {

namespace Legacy {
constexpr quint8 ping = 0x15;
constexpr quint8 info = 0x14;
constexpr quint8 startRead = 0x03;
constexpr quint8 readChunk = 0x04;
constexpr quint8 endRead = 0x05;
constexpr quint8 reset = 0x18;
constexpr quint8 param = 0x16;
} // namespace Legacy

namespace Current {
constexpr quint8 ping = 0xE0;
constexpr quint8 info = 0xE1;
constexpr quint8 fileList = 0xF1;
constexpr quint8 startRead = 0xF2;
constexpr quint8 readChunk = 0xF3;
constexpr quint8 endRead = 0xF4;
constexpr quint8 reset = 0xE3;
constexpr quint8 setParam = 0x01;
constexpr quint8 setTime = 0xEC;
constexpr quint8 getConfig = 0x00;
} // namespace Current

constexpr int commandRetries = 10;
constexpr int keyExchangeTimeoutMs = 500;
constexpr int syncParamTimeoutMs = 5000;
constexpr int fileListSlot = 16;
constexpr int currentNameField = 20;
// Not a real command result: the request payload could not be encrypted.
constexpr int encryptionFailed = -2;

void logApp(const QString &text)
{
    LogHelper::instance()->write(text);
}

void logBoth(const QString &text)
{
    qCDebug(lcProtocol).noquote() << text;
    logApp(text);
}

quint32 readU32(const QByteArray &bytes)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | quint8(bytes.at(i));
    return value;
}

QByteArray u32(quint32 value)
{
    QByteArray bytes;
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(char((value >> shift) & 0xFF));
    return bytes;
}

bool refuseUnsafe(const char *what, const QString &name)
{
    if (SafeName::isSafeName(name))
        return false;
    const QString entry = QStringLiteral("refused %1: \"%2\"").arg(QLatin1String(what), SafeName::printable(name));
    logBoth(entry);
    return true;
}

} // namespace

Communication::Communication(QObject *parent)
    : QObject(parent)
    , m_exchange(m_stop, LinkClock::system())
    , m_transports{std::make_unique<HidOriginal>(), std::make_unique<HidCH9326>(), std::make_unique<HidClass>()}
    , m_deviceInfo(DeviceInfoPtr::create())
    , m_configA(ConfigBlock::sizeA, '\0')
    , m_configB(ConfigBlock::sizeB, '\0')
{
}

Communication::~Communication()
{
    closeDevice();
}

void Communication::setClock(LinkClock &clock)
{
    m_exchange.setClock(clock);
}

void Communication::setInterval(int milliseconds)
{
    m_exchange.setInterval(milliseconds);
    for (const auto &transport : m_transports)
        transport->setTimeout(milliseconds);
}

int Communication::isAESComm() const
{
    if (!m_current)
        return -1;
    return m_current->isAESComm() ? 1 : 0;
}

int Communication::protocolType() const
{
    return m_current ? m_current->protocolType() : -1;
}

int Communication::sendAndRecv(const QByteArray &request, QByteArray &payload, int retries, int timeoutMs)
{
    if (!m_current)
        return COMM_ERR_SEND;
    return m_exchange.run(*m_current, request, payload, retries, timeoutMs);
}

bool Communication::openDevice()
{
    m_recorderLocked = false;
    for (int index = 0; index < int(m_transports.size()); ++index) {
        m_current = m_transports[index].get();
        if (m_current->open() && connectThrough(index))
            return true;
        // Whatever answered on this bridge before may not be there any more.
        m_current->setNeedCheckCommVer(true);
    }
    m_recorderLocked = HidAccess::isRecorderListedButClosed();
    if (m_recorderLocked)
        LogHelper::instance()->write(QStringLiteral("recorder attached but not accessible: install %1")
                                         .arg(QLatin1String(HidAccess::udevRuleName)));
    return false;
}

bool Communication::connectThrough(int index)
{
    HidBase &link = *m_current;
    qCDebug(lcProtocol) << "open comm, idx:" << index << ", try to comm with dev";
    bool probe = false;
    if (link.needCheckCommVer()) {
        if (exchangeKey(link, HidBase::currentFraming))
            link.setProtocolType(HidBase::currentFraming);
        else if (exchangeKey(link, HidBase::legacyFraming))
            link.setProtocolType(HidBase::legacyFraming);
        else
            // Holtek bridges only carry recorders that answer the key exchange.
            probe = dynamic_cast<HidClass *>(&link) == nullptr;
        link.setNeedCheckCommVer(false);
    }
    qCDebug(lcProtocol) << "[INFO] check comm ver," << probe << link.protocolType();
    int found = link.protocolType();
    if (!ping(probe, &found))
        return false;
    if (probe)
        link.setProtocolType(found);
    qCDebug(lcProtocol).nospace() << "open dev with comm inst idx:" << index << ", protocol ver:"
                                  << link.protocolType();
    return true;
}

void Communication::closeDevice()
{
    if (!m_current)
        return;
    for (const auto &transport : m_transports)
        transport->close();
    m_stop = false;
    m_current = nullptr;
}

bool Communication::exchangeKey(HidBase &link, int framing)
{
    KeyExchange::begin(link);
    const quint32 seconds = quint32(m_exchange.clock().nowMs() / 1000);
    const QByteArray request = KeyExchange::request(framing, seconds);
    if (request.isEmpty())
        return false;
    link.setProtocolType(framing);
    // Legacy recorders want a ping before the challenge; its outcome does not matter.
    if (framing == HidBase::legacyFraming)
        ping(false);
    QByteArray reply;
    const int result = m_exchange.run(link, request, reply, 0, keyExchangeTimeoutMs);
    link.setProtocolType(framing);
    return result == COMM_OK && KeyExchange::finish(link, reply);
}

bool Communication::ping(bool probe, int *foundType)
{
    if (!m_current)
        return false;
    HidBase &link = *m_current;
    QByteArray reply;
    if (!probe) {
        const QByteArray request = link.protocolType() == HidBase::legacyFraming
            ? LegacyPkg::build(Legacy::ping)
            : CommPkg::build(Current::ping, {});
        if (sendAndRecv(request, reply, 0, LinkExchange::shortTimeout) != COMM_OK) {
            logApp(QStringLiteral("ping device failed."));
            return false;
        }
        if (foundType)
            *foundType = link.protocolType();
        return true;
    }
    const int remembered = link.protocolType();
    link.setProtocolType(HidBase::legacyFraming);
    if (sendAndRecv(LegacyPkg::build(Legacy::ping), reply, 0, LinkExchange::shortTimeout) == COMM_OK) {
        if (foundType)
            *foundType = HidBase::legacyFraming;
        return true;
    }
    logBoth(QStringLiteral("ping device failed. 1"));
    link.setProtocolType(HidBase::currentFraming);
    if (sendAndRecv(CommPkg::build(Current::ping, {}), reply, 0, LinkExchange::shortTimeout) == COMM_OK) {
        if (foundType)
            *foundType = HidBase::currentFraming;
        return true;
    }
    link.setProtocolType(remembered);
    logBoth(QStringLiteral("ping device failed. 2"));
    return false;
}

bool Communication::encryptIfNeeded(QByteArray &payload) const
{
    if (!m_current || !m_current->isAESComm())
        return true;
    const std::optional<QByteArray> cipher = aesEncrypt(payload, m_current->aesKey());
    if (!cipher) {
        qCWarning(lcProtocol) << "request encryption failed";
        return false;
    }
    payload = *cipher;
    return true;
}

int Communication::exchange(quint8 legacyCommand, quint8 currentCommand, const QByteArray &payload,
                            QByteArray &reply, int retries, bool encrypt, int timeoutMs)
{
    if (!m_current)
        return COMM_ERR_SEND;
    QByteArray body = payload;
    if (encrypt && !encryptIfNeeded(body))
        return encryptionFailed;
    const QByteArray request = m_current->protocolType() == HidBase::legacyFraming
        ? LegacyPkg::build(legacyCommand, body)
        : CommPkg::build(currentCommand, body);
    if (request.isEmpty())
        return COMM_ERR_SEND;
    return sendAndRecv(request, reply, retries, timeoutMs);
}

bool Communication::getDeviceInfo()
{
    // A fresh record each time: readers on other threads keep the one they hold.
    m_deviceInfo = DeviceInfoPtr::create();
    m_parameters.clear();
    QByteArray reply;
    if (exchange(Legacy::info, Current::info, {}, reply, commandRetries) != COMM_OK)
        return false;
    if (m_current->protocolType() == HidBase::legacyFraming) {
        QString text = QString::fromUtf8(reply);
        const int end = text.indexOf(QLatin1Char('}'));
        if (end >= 0)
            text.truncate(end + 1);
        m_parameters.parse(text);
        if (!m_deviceInfo->parseInformationText(text))
            m_deviceInfo->clear();
    } else if (!m_deviceInfo->parseInformationRecord(reply)) {
        qCWarning(lcProtocol) << "device information record refused, size" << reply.size();
        return false;
    }
    // The serial number names a folder of the data directory.
    if (refuseUnsafe("serial number", m_deviceInfo->serialNumber())) {
        m_deviceInfo = DeviceInfoPtr::create();
        return false;
    }
    return true;
}

bool Communication::getFileList(QStringList &names)
{
    names.clear();
    if (!m_current)
        return false;
    QStringList found;
    if (m_current->protocolType() == HidBase::legacyFraming) {
        found = m_deviceInfo->fileList();
    } else {
        QByteArray reply;
        if (exchange(Legacy::info, Current::fileList, {}, reply, commandRetries) != COMM_OK || reply.isEmpty())
            return false;
        const int count = qint8(reply.at(0));
        if (count < 0 || reply.size() != fileListSlot * count + 1) {
            logBoth(QStringLiteral("file list refused: count %1, size %2").arg(count).arg(reply.size()));
            return false;
        }
        for (int slot = 0; slot < count; ++slot) {
            const QByteArray field = reply.mid(1 + slot * fileListSlot, fileListSlot);
            const int end = field.indexOf('\0');
            const QString name = QString::fromLatin1(end >= 0 ? field.left(end) : field);
            if (!name.isEmpty())
                found.append(name);
        }
    }
    for (const QString &name : qAsConst(found)) {
        if (!refuseUnsafe("file name", name))
            names.append(name);
    }
    return true;
}

qint64 Communication::startReadFile(const QString &name)
{
    if (!m_current)
        return -1;
    const bool legacy = m_current->protocolType() == HidBase::legacyFraming;
    QByteArray payload = name.toLatin1();
    if (legacy) {
        payload.append('\0');
    } else {
        if (payload.size() < currentNameField)
            payload.append(QByteArray(currentNameField - payload.size(), '\0'));
        payload.append(u32(0));
    }
    QByteArray reply;
    const int result = exchange(Legacy::startRead, Current::startRead, payload, reply, commandRetries, true);
    if (result != COMM_OK || (legacy ? reply.size() < 4 : reply.size() != 4))
        return -1;
    const qint64 size = readU32(reply);
    if (legacy)
        qCDebug(lcProtocol) << "get file size with start download cmd:" << size;
    if (size == 0 || size > maxFileSize) {
        logBoth(QStringLiteral("file size refused: %1 %2").arg(SafeName::printable(name)).arg(size));
        return -1;
    }
    return size;
}

bool Communication::endReadFile()
{
    QByteArray reply;
    const bool ok = exchange(Legacy::endRead, Current::endRead, {}, reply, commandRetries) == COMM_OK;
    if (m_current && m_current->protocolType() == HidBase::legacyFraming)
        qCDebug(lcProtocol) << "end download result:" << ok;
    return ok;
}

QByteArray Communication::chunkRequest(int chunkIndex, qint64 offset, bool &ok) const
{
    ok = true;
    if (m_current->protocolType() == HidBase::legacyFraming) {
        // The chunk index is a u16 on the wire; past it the recorder would
        // send the start of the file again.
        if (chunkIndex > 0xFFFF) {
            ok = false;
            return {};
        }
        return LegacyPkg::build(Legacy::readChunk, {}, quint16(chunkIndex));
    }
    QByteArray payload = u32(quint32(offset));
    if (!encryptIfNeeded(payload)) {
        ok = false;
        return {};
    }
    return CommPkg::build(Current::readChunk, payload);
}

int Communication::downloadFile(const QString &deviceName, const QString &localName)
{
    const QString sn = m_deviceInfo->serialNumber();
    if (!m_current || refuseUnsafe("serial number", sn) || refuseUnsafe("file name", localName))
        return DownloadFileError;
    const QString dir = m_dataDirectory + QLatin1Char('/') + sn;
    const QString path = dir + QLatin1Char('/') + localName;
    // Written beside the target and renamed at the end: a failed transfer
    // never leaves half a recording in the tree.
    QSaveFile file(path);
    if (!QDir().mkpath(dir) || !file.open(QIODevice::WriteOnly)) {
        qCDebug(lcProtocol) << "open file err," << path;
        logApp(QStringLiteral("open file err, ") + path);
        return DownloadFileError;
    }
    const qint64 size = startReadFile(deviceName);
    if (size < 0) {
        file.cancelWriting();
        return DownloadStartFailed;
    }
    emit downloadProgress(0, 0, int(size));
    return receiveFile(file, size);
}

int Communication::receiveFile(QSaveFile &file, qint64 size)
{
    qint64 received = 0;
    int chunkIndex = 0;
    int last = COMM_OK;
    bool sendEnd = true;
    bool complete = false;
    while (received < size && !m_stop) {
        bool requestOk = false;
        const QByteArray request = chunkRequest(chunkIndex, received, requestOk);
        if (!requestOk) {
            logBoth(QStringLiteral("chunk request refused at %1").arg(received));
            sendEnd = false;
            break;
        }
        QByteArray chunk;
        last = sendAndRecv(request, chunk, commandRetries, LinkExchange::shortTimeout);
        if (last != COMM_OK)
            break;
        // An empty chunk would ask for the same bytes for ever.
        if (chunk.isEmpty()) {
            logBoth(QStringLiteral("empty chunk at %1").arg(received));
            break;
        }
        chunk.truncate(int(qMin<qint64>(chunk.size(), size - received)));
        if (file.write(chunk) != chunk.size()) {
            logBoth(QStringLiteral("write error, ") + file.fileName());
            break;
        }
        ++chunkIndex;
        received += chunk.size();
        emit downloadProgress(1, int(received), int(size));
        complete = received >= size;
    }
    if (sendEnd && last != COMM_ERR_TIMEOUT)
        endReadFile();
    if (!complete) {
        file.cancelWriting();
        logApp(QStringLiteral("download failed: %1 of %2 bytes, ").arg(received).arg(size) + file.fileName());
        return DownloadFailed;
    }
    if (!file.commit()) {
        logApp(QStringLiteral("open file err, ") + file.fileName());
        return DownloadFileError;
    }
    emit downloadProgress(2, int(size), int(size));
    return DownloadOk;
}

bool Communication::checkFile(const QString &name, int &error)
{
    error = 0;
    if (!m_current)
        return false;
    if (m_current->protocolType() != HidBase::legacyFraming)
        return true;
    if (startReadFile(name) < 0) {
        error = DownloadStartFailed;
        return false;
    }
    QByteArray chunk;
    if (sendAndRecv(LegacyPkg::build(Legacy::readChunk, {}, 0), chunk, commandRetries,
                    LinkExchange::shortTimeout) != COMM_OK) {
        error = DownloadStartFailed;
        endReadFile();
        return false;
    }
    // Byte 1 of the first chunk marks a recording the recorder still writes.
    const bool downloadable = chunk.size() >= 2 && chunk.at(1) == 0;
    endReadFile();
    return downloadable;
}

bool Communication::factoryReset()
{
    QByteArray reply;
    if (exchange(Legacy::reset, Current::reset, {}, reply, commandRetries) == COMM_OK)
        return true;
    qCDebug(lcProtocol) << "factory reset failed.";
    return false;
}

bool Communication::syncParam(const QString &text)
{
    qCDebug(lcProtocol) << "sync para:" << text;
    if (!m_current || m_current->protocolType() != HidBase::legacyFraming)
        return false;
    QByteArray reply;
    if (exchange(Legacy::param, 0, text.toLatin1(), reply, 0, true, syncParamTimeoutMs) == COMM_OK)
        return true;
    qCDebug(lcProtocol) << "sync param failed.";
    return false;
}

bool Communication::setParam(quint8 type, quint8 a, quint8 b, quint8 c, quint8 d, int timeoutMs)
{
    if (!m_current || m_current->protocolType() != HidBase::currentFraming)
        return false;
    QByteArray payload(8, '\0');
    payload[0] = char(type);
    payload[4] = char(a);
    payload[5] = char(b);
    payload[6] = char(c);
    payload[7] = char(d);
    QByteArray reply;
    return exchange(0, Current::setParam, payload, reply, 0, true, timeoutMs) == COMM_OK;
}

bool Communication::setTime(const QDateTime &time)
{
    if (!m_current || m_current->protocolType() != HidBase::currentFraming)
        return false;
    const QDate date = time.date();
    const QTime clock = time.time();
    QByteArray payload;
    payload.append(char(date.year() & 0xFF));
    payload.append(char((date.year() >> 8) & 0xFF));
    for (int part : {date.month(), date.day(), clock.hour(), clock.minute(), clock.second()})
        payload.append(char(part));
    QByteArray reply;
    return exchange(0, Current::setTime, payload, reply, commandRetries, true) == COMM_OK;
}

bool Communication::getConfig()
{
    if (!m_current)
        return false;
    if (m_current->protocolType() == HidBase::legacyFraming)
        return true;
    const QString code = m_deviceInfo->branchCode();
    const bool blockA = BranchCodes::usesConfigBlockA(code);
    if (!blockA && !BranchCodes::usesConfigBlockB(code))
        return false;
    QByteArray reply;
    if (exchange(0, Current::getConfig, {}, reply, commandRetries) != COMM_OK)
        return false;
    if (blockA) {
        m_configA = QByteArray(ConfigBlock::sizeA, '\0');
        if (reply.size() < ConfigBlock::minReplyA)
            return false;
        m_configA = reply.left(ConfigBlock::sizeA);
        return true;
    }
    m_configB = QByteArray(ConfigBlock::sizeB, '\0');
    if (reply.size() < ConfigBlock::minReplyB)
        return false;
    m_configB = ConfigBlock::blockB(reply);
    return true;
}
