#include <QTest>

#include "deviceinfo.h"
#include "inforecordwriter.h"
#include "test_protocol.h"

namespace {

const QString legacyText = QStringLiteral(
    R"({"SN":"RG2401B0042","BranchCode":"24010004","BootloaderVer":"1.0.2",)"
    R"("SoftwareVer":"2.3.1","FileVer":"6","HardwareVer":"C",)"
    R"("FileList":"20240301221500,20240302230100","OxiSwitch":"1"})");

bool isEmpty(const DeviceInfo &info)
{
    return info.serialNumber().isEmpty() && info.modelName().isEmpty() && info.branchCode().isEmpty()
        && info.bootloaderVersion().isEmpty() && info.softwareVersion().isEmpty()
        && info.fileVersion().isEmpty() && info.informationText().isEmpty() && info.fileList().isEmpty()
        && info.deviceId().isEmpty() && info.hardwareVersion().isEmpty();
}

DeviceInfo filledInfo()
{
    DeviceInfo info;
    info.parseInformationText(legacyText);
    info.setDeviceId(QStringLiteral("1234"));
    return info;
}

} // namespace

void TestDeviceInfo::textFillsEveryField()
{
    DeviceInfo info;
    QVERIFY(info.parseInformationText(legacyText));

    QCOMPARE(info.serialNumber(), QString("RG2401B0042"));
    QCOMPARE(info.branchCode(), QString("24010004"));
    QCOMPARE(info.modelName(), QString("Venrik"));
    QCOMPARE(info.bootloaderVersion(), QString("1.0.2"));
    QCOMPARE(info.softwareVersion(), QString("2.3.1"));
    QCOMPARE(info.fileVersion(), QString("6"));
    QCOMPARE(info.hardwareVersion(), QString("C"));
    QCOMPARE(info.fileList(), QStringList({"20240301221500", "20240302230100"}));
    QCOMPARE(info.informationText(), legacyText);
    QVERIFY(info.deviceId().isEmpty());
}

void TestDeviceInfo::textLeavesMissingKeysAlone()
{
    DeviceInfo info = filledInfo();
    info.setModelName(QStringLiteral("Named by the cloud"));
    const QString update = QStringLiteral(R"({"SoftwareVer":"3.0"})");

    QVERIFY(info.parseInformationText(update));

    QCOMPARE(info.softwareVersion(), QString("3.0"));
    QCOMPARE(info.informationText(), update);
    QCOMPARE(info.serialNumber(), QString("RG2401B0042"));
    QCOMPARE(info.branchCode(), QString("24010004"));
    QCOMPARE(info.modelName(), QString("Named by the cloud"));
    QCOMPARE(info.fileVersion(), QString("6"));
    QCOMPARE(info.fileList().size(), 2);
    QCOMPARE(info.deviceId(), QString("1234"));
}

void TestDeviceInfo::textValuesThatAreNotStrings_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("fileVersion");
    QTest::newRow("string") << R"("7")" << "7";
    QTest::newRow("bare integer") << "7" << "7";
    QTest::newRow("large integer keeps every digit") << "24010004" << "24010004";
    QTest::newRow("fraction") << "1.5" << "1.5";
    QTest::newRow("null empties the field") << "null" << "";
    QTest::newRow("object empties the field") << R"({"v":7})" << "";
}

void TestDeviceInfo::textValuesThatAreNotStrings()
{
    QFETCH(QString, value);
    QFETCH(QString, fileVersion);
    DeviceInfo info = filledInfo();
    QVERIFY(info.parseInformationText(QStringLiteral(R"({"FileVer":%1})").arg(value)));
    QCOMPARE(info.fileVersion(), fileVersion);
}

void TestDeviceInfo::fileListDropsEmptyNames_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("leading, doubled and trailing commas")
        << ",20240301221500,,20240302230100," << QStringList({"20240301221500", "20240302230100"});
    QTest::newRow("one name") << "20240301221500" << QStringList({"20240301221500"});
    QTest::newRow("commas only") << ",,," << QStringList();
    QTest::newRow("empty text replaces an old list") << "" << QStringList();
}

void TestDeviceInfo::fileListDropsEmptyNames()
{
    QFETCH(QString, list);
    QFETCH(QStringList, files);
    DeviceInfo info = filledInfo();
    QVERIFY(info.parseInformationText(QStringLiteral(R"({"FileList":"%1"})").arg(list)));
    QCOMPARE(info.fileList(), files);
}

void TestDeviceInfo::textThatDoesNotParseClears_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("cut off") << R"({"SN":"RG2401B0042","BranchCode":)";
    QTest::newRow("not JSON") << "SN=RG2401B0042";
    QTest::newRow("bytes after the object") << QString(R"({"SN":"RG2401B0042"})") + QChar(0) + QChar(0);
    QTest::newRow("array, not an object") << R"([{"SN":"RG2401B0042"}])";
    QTest::newRow("empty") << "";
}

void TestDeviceInfo::textThatDoesNotParseClears()
{
    QFETCH(QString, text);
    DeviceInfo info = filledInfo();
    QVERIFY(!info.parseInformationText(text));
    QVERIFY(isEmpty(info));
}

void TestDeviceInfo::rebuildFromStorageKeepsColumns()
{
    // A current recorder's row: the text column is empty and must not wipe
    // the columns set before it.
    DeviceInfo current;
    current.setSerialNumber(QStringLiteral("TS2401A0001"));
    current.setBranchCode(QStringLiteral("2D010001"));
    current.setModelName(QStringLiteral("Tarnel S"));
    current.setSoftwareVersion(QStringLiteral("1.2.3"));
    current.setBootloaderVersion(QStringLiteral("1"));
    current.setFileVersion(QStringLiteral("3"));
    current.setDeviceId(QStringLiteral("88"));
    QVERIFY(!current.setInformationText(QString()));
    QCOMPARE(current.serialNumber(), QString("TS2401A0001"));
    QCOMPARE(current.branchCode(), QString("2D010001"));
    QCOMPARE(current.modelName(), QString("Tarnel S"));
    QCOMPARE(current.softwareVersion(), QString("1.2.3"));
    QCOMPARE(current.deviceId(), QString("88"));

    // A legacy row gets what its text holds, the serial number included.
    DeviceInfo legacy;
    QVERIFY(legacy.setInformationText(legacyText));
    QCOMPARE(legacy.informationText(), legacyText);
    QCOMPARE(legacy.serialNumber(), QString("RG2401B0042"));
    QCOMPARE(legacy.modelName(), QString("Venrik"));
}

void TestDeviceInfo::recordFieldOffsets()
{
    DeviceInfo info;
    QVERIFY(info.parseInformationRecord(InfoRecordWriter()
        .hardware('C')
        .software(0x01020304)
        .bootloader(0x0A000B00)
        .branch("2B010002")
        .fileVersion(200)
        .serial("OX123456789ABCDEFG")
        .bytes()));

    QCOMPARE(info.hardwareVersion(), QString("C"));
    QCOMPARE(info.softwareVersion(), QString("1.2.3.4"));
    QCOMPARE(info.bootloaderVersion(), QString("10.0.11.0"));
    QCOMPARE(info.branchCode(), QString("2B010002"));
    QCOMPARE(info.modelName(), QString("Pelsin O2 Peak Plus"));
    QCOMPARE(info.fileVersion(), QString("200"));
    QCOMPARE(info.serialNumber(), QString("OX123456789ABCDEFG"));
}

void TestDeviceInfo::recordReplacesLegacyFields()
{
    DeviceInfo info = filledInfo();
    QVERIFY(info.parseInformationRecord(InfoRecordWriter().bytes()));

    QVERIFY(info.informationText().isEmpty());
    QVERIFY(info.fileList().isEmpty());
    QCOMPARE(info.serialNumber(), QString("TS2401A0001"));
    QCOMPARE(info.hardwareVersion(), QString("B"));
    // Given by the database and the cloud, never by the recorder.
    QCOMPARE(info.deviceId(), QString("1234"));
}

void TestDeviceInfo::recordSerialNumber_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("serial");
    QTest::newRow("length 0") << InfoRecordWriter().serial("").bytes() << "";
    QTest::newRow("length byte shorter than the bytes")
        << InfoRecordWriter().serial("ABCDEFGH").serialLength(3).bytes() << "ABC";
    QTest::newRow("full field in a minimal record")
        << InfoRecordWriter().serial("123456789012345678").size(60).bytes() << "123456789012345678";
    QTest::newRow("Latin-1 bytes")
        << InfoRecordWriter().serial("\xC9TUDE").bytes() << QString::fromLatin1("\xC9TUDE");
    QTest::newRow("longer record") << InfoRecordWriter().serial("RG1").size(200).bytes() << "RG1";
}

void TestDeviceInfo::recordSerialNumber()
{
    QFETCH(QByteArray, record);
    QFETCH(QString, serial);
    DeviceInfo info;
    QVERIFY(info.parseInformationRecord(record));
    QCOMPARE(info.serialNumber(), serial);
}

void TestDeviceInfo::rejectsRecord_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::newRow("59 bytes") << InfoRecordWriter().size(59).bytes();
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("serial length 19") << InfoRecordWriter().serialLength(19).bytes();
    QTest::newRow("serial length 255") << InfoRecordWriter().serialLength(255).bytes();
    QTest::newRow("serial length 19 in a long record") << InfoRecordWriter().serialLength(19).size(300).bytes();
}

void TestDeviceInfo::rejectsRecord()
{
    QFETCH(QByteArray, record);
    DeviceInfo info = filledInfo();
    QVERIFY(!info.parseInformationRecord(record));
    QVERIFY(isEmpty(info));
}

void TestDeviceInfo::versionFormatting_data()
{
    QTest::addColumn<quint32>("version");
    QTest::addColumn<QString>("text");
    QTest::newRow("four bytes") << quint32(0x01020304) << "1.2.3.4";
    QTest::newRow("leading zero skipped, trailing kept") << quint32(0x00010200) << "1.2.0";
    QTest::newRow("inner zero kept") << quint32(0x00050006) << "5.0.6";
    QTest::newRow("last byte only") << quint32(0x00000005) << "5";
    QTest::newRow("first byte only") << quint32(0x05000000) << "5.0.0.0";
    QTest::newRow("zero") << quint32(0) << "0";
    QTest::newRow("bytes above 127") << quint32(0xFF80C8FF) << "255.128.200.255";
}

void TestDeviceInfo::versionFormatting()
{
    QFETCH(quint32, version);
    QFETCH(QString, text);
    QCOMPARE(DeviceInfo::formatVersion(version), text);
}

void TestDeviceInfo::travelsInQueuedSignals()
{
    // No registration call here: the library registers the type itself.
    // A connection by name finds the argument type by its name only; an
    // unregistered one would drop the signal with a warning.
    InfoSender sender;
    InfoReceiver receiver;
    QVERIFY(connect(&sender, SIGNAL(deviceIdentified(QSharedPointer<const DeviceInfo>)), &receiver,
                    SLOT(take(QSharedPointer<const DeviceInfo>)), Qt::QueuedConnection));

    DeviceInfoPtr info(new DeviceInfo(filledInfo()));
    emit sender.deviceIdentified(info);
    QVERIFY(!receiver.received);

    QTRY_VERIFY(receiver.received);
    QCOMPARE(receiver.received.data(), info.data());
    QCOMPARE(receiver.received->serialNumber(), QString("RG2401B0042"));
}
