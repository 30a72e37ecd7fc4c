#include <QTest>

#include <memory>

#include "fakehidapi.h"
#include "hidch9326.h"
#include "hidclass.h"
#include "hidoriginal.h"

namespace {

enum class Bridge { Original, Ch9326, Holtek };

// Everything a test needs to know about one transport and its reports.
struct Rig
{
    std::unique_ptr<HidBase> link;
    FakeHid::Device *device = nullptr;
    int inputSize = 0;   // bytes of one input report as hidapi delivers it
    int payloadRoom = 0; // payload bytes one report carries
};

Rig makeRig(Bridge bridge)
{
    Rig rig;
    switch (bridge) {
    case Bridge::Original:
        rig.link = std::make_unique<HidOriginal>();
        rig.device = &FakeHid::plug(HidOriginal::vendorId, HidOriginal::currentProductId);
        rig.inputSize = 64;
        rig.payloadRoom = 63;
        break;
    case Bridge::Ch9326:
        rig.link = std::make_unique<HidCH9326>();
        rig.device = &FakeHid::plug(HidCH9326::vendorId, HidCH9326::productId);
        rig.inputSize = 32;
        rig.payloadRoom = 31;
        break;
    case Bridge::Holtek:
        rig.link = std::make_unique<HidClass>();
        rig.device = &FakeHid::plug(HidClass::vendorId, HidClass::productId);
        rig.inputSize = 32;
        rig.payloadRoom = 31;
        break;
    }
    return rig;
}

QByteArray pattern(int size)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(char(i * 7 + 1));
    return bytes;
}

void addBridgeRows()
{
    QTest::addColumn<Bridge>("bridge");
    QTest::newRow("recorder interface") << Bridge::Original;
    QTest::newRow("ch9326 bridge") << Bridge::Ch9326;
    QTest::newRow("holtek bridge") << Bridge::Holtek;
}

} // namespace

Q_DECLARE_METATYPE(Bridge)

class TestDevice : public QObject
{
    Q_OBJECT

private slots:
    void init() { FakeHid::reset(); }

    void nothingPluggedOpensNothing();
    void productIdSetsFraming_data();
    void productIdSetsFraming();
    void reopenIsRefusedOrReused();
    void linkStateSurvivesClose();
    void closedTransportMovesNothing_data();
    void closedTransportMovesNothing();
    void writeSplitsIntoReports_data();
    void writeSplitsIntoReports();
    void failedWriteIsReported_data();
    void failedWriteIsReported();
    void readCollectsReports_data();
    void readCollectsReports();
    void oversizedLengthByteIsRefused_data();
    void oversizedLengthByteIsRefused();
    void readStopsAtItsBound_data();
    void readStopsAtItsBound();
    void failedReadEnds_data();
    void failedReadEnds();
    void bridgesAreConfiguredOnOpen();
    void ch9326ReadsWithTheLinkTimeout();
    void ch9326ReadWithNothingKeepsBuffer();
    void holtekReadWithNothingKeepsBuffer();
};

void TestDevice::nothingPluggedOpensNothing()
{
    HidOriginal original;
    HidCH9326 ch9326;
    HidClass holtek;
    QVERIFY(!original.open());
    QVERIFY(!ch9326.open());
    QVERIFY(!holtek.open());
    QCOMPARE(FakeHid::openHandles(), 0);
    QByteArray buffer;
    QVERIFY(!original.write("x"));
    QVERIFY(!holtek.read(buffer));
}

void TestDevice::productIdSetsFraming_data()
{
    QTest::addColumn<unsigned short>("productId");
    QTest::addColumn<int>("framing");
    QTest::newRow("legacy product id") << HidOriginal::legacyProductId << HidBase::legacyFraming;
    QTest::newRow("current product id") << HidOriginal::currentProductId << HidBase::currentFraming;
}

void TestDevice::productIdSetsFraming()
{
    QFETCH(unsigned short, productId);
    QFETCH(int, framing);
    FakeHid::plug(HidOriginal::vendorId, productId);
    HidOriginal link;
    link.setProtocolType(framing == 1 ? 2 : 1);
    QVERIFY(link.open());
    QCOMPARE(link.protocolType(), framing);
}

void TestDevice::reopenIsRefusedOrReused()
{
    FakeHid::Device &recorder = FakeHid::plug(HidOriginal::vendorId, HidOriginal::legacyProductId);
    FakeHid::Device &bridge = FakeHid::plug(HidClass::vendorId, HidClass::productId);
    HidOriginal original;
    HidClass holtek;
    QVERIFY(original.open());
    QVERIFY(!original.open());
    QVERIFY(holtek.open());
    QVERIFY(holtek.open());
    QCOMPARE(recorder.opens, 1);
    QCOMPARE(bridge.opens, 1);
    original.close();
    holtek.close();
    holtek.close();
    QCOMPARE(FakeHid::openHandles(), 0);
}

void TestDevice::linkStateSurvivesClose()
{
    FakeHid::plug(HidOriginal::vendorId, HidOriginal::currentProductId);
    HidOriginal link;
    QVERIFY(link.open());
    link.setAESComm(true);
    link.setAesKey(QByteArray(16, 'k'));
    link.setNeedCheckCommVer(false);
    link.close();
    QCOMPARE(link.protocolType(), HidBase::currentFraming);
    QVERIFY(link.isAESComm());
    QCOMPARE(link.aesKey(), QByteArray(16, 'k'));
    QVERIFY(!link.needCheckCommVer());
}

void TestDevice::closedTransportMovesNothing_data()
{
    addBridgeRows();
}

void TestDevice::closedTransportMovesNothing()
{
    QFETCH(Bridge, bridge);
    Rig rig = makeRig(bridge);
    rig.device->input.append(FakeHid::report("abc", rig.inputSize));
    QByteArray buffer;
    QVERIFY(!rig.link->write("abc"));
    QVERIFY(!rig.link->read(buffer));
    QVERIFY(rig.device->written.isEmpty());
    QCOMPARE(rig.device->input.size(), 1);
}

void TestDevice::writeSplitsIntoReports_data()
{
    QTest::addColumn<Bridge>("bridge");
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("chunks");
    QTest::addColumn<int>("reportSize");
    QTest::newRow("recorder: 130 bytes") << Bridge::Original << 130 << QList<int>{63, 63, 4} << 65;
    QTest::newRow("recorder: exactly one report") << Bridge::Original << 63 << QList<int>{63} << 65;
    QTest::newRow("recorder: nothing") << Bridge::Original << 0 << QList<int>{} << 65;
    QTest::newRow("ch9326: 70 bytes") << Bridge::Ch9326 << 70 << QList<int>{31, 31, 8} << 33;
    QTest::newRow("holtek: short request") << Bridge::Holtek << 8 << QList<int>{8} << 33;
    QTest::newRow("holtek: longer than a report") << Bridge::Holtek << 40 << QList<int>{31, 9} << 33;
}

void TestDevice::writeSplitsIntoReports()
{
    QFETCH(Bridge, bridge);
    QFETCH(int, size);
    QFETCH(QList<int>, chunks);
    QFETCH(int, reportSize);
    Rig rig = makeRig(bridge);
    QVERIFY(rig.link->open());
    const QByteArray data = pattern(size);
    QVERIFY(rig.link->write(data));

    QCOMPARE(rig.device->written.size(), chunks.size());
    QByteArray sent;
    for (int i = 0; i < chunks.size(); ++i) {
        const QByteArray &report = rig.device->written.at(i);
        QCOMPARE(report.size(), reportSize);
        QCOMPARE(int(report.at(0)), 0);
        QCOMPARE(int(quint8(report.at(1))), chunks.at(i));
        QCOMPARE(report.mid(2 + chunks.at(i)), QByteArray(reportSize - 2 - chunks.at(i), '\0'));
        sent.append(report.mid(2, chunks.at(i)));
    }
    QCOMPARE(sent, data);
}

void TestDevice::failedWriteIsReported_data()
{
    addBridgeRows();
}

void TestDevice::failedWriteIsReported()
{
    QFETCH(Bridge, bridge);
    Rig rig = makeRig(bridge);
    QVERIFY(rig.link->open());
    rig.device->failWrites = true;
    QVERIFY(!rig.link->write(pattern(100)));
}

void TestDevice::readCollectsReports_data()
{
    addBridgeRows();
}

void TestDevice::readCollectsReports()
{
    QFETCH(Bridge, bridge);
    Rig rig = makeRig(bridge);
    QVERIFY(rig.link->open());
    const QByteArray first = pattern(rig.payloadRoom);
    const QByteArray second = "tail";
    rig.device->input = {FakeHid::report(first, rig.inputSize), FakeHid::report(second, rig.inputSize)};
    QByteArray buffer = "old";
    QVERIFY(rig.link->read(buffer));
    // Every variant appends, so a reply split over two reads stays whole.
    QCOMPARE(buffer, QByteArray("old") + first + second);
}

void TestDevice::oversizedLengthByteIsRefused_data()
{
    QTest::addColumn<Bridge>("bridge");
    QTest::addColumn<int>("lengthByte");
    QTest::addColumn<int>("reportSize");
    QTest::newRow("recorder: 64 in a 64-byte report") << Bridge::Original << 64 << 64;
    QTest::newRow("recorder: 255") << Bridge::Original << 255 << 64;
    QTest::newRow("recorder: beyond a short report") << Bridge::Original << 20 << 10;
    QTest::newRow("ch9326: 32") << Bridge::Ch9326 << 32 << 32;
    QTest::newRow("ch9326: beyond a short report") << Bridge::Ch9326 << 12 << 8;
    QTest::newRow("holtek: 32") << Bridge::Holtek << 32 << 32;
    QTest::newRow("holtek: beyond a short report") << Bridge::Holtek << 12 << 8;
}

void TestDevice::oversizedLengthByteIsRefused()
{
    QFETCH(Bridge, bridge);
    QFETCH(int, lengthByte);
    QFETCH(int, reportSize);
    Rig rig = makeRig(bridge);
    QVERIFY(rig.link->open());
    const QByteArray good = "good";
    rig.device->input = {FakeHid::report(good, rig.inputSize),
                         FakeHid::report(pattern(reportSize - 1), reportSize, lengthByte),
                         FakeHid::report("later", rig.inputSize)};
    QByteArray buffer;
    rig.link->read(buffer);
    // Nothing of the bad report, and the read stops there.
    QCOMPARE(buffer, good);
    QCOMPARE(rig.device->input.size(), 1);
}

void TestDevice::readStopsAtItsBound_data()
{
    QTest::addColumn<Bridge>("bridge");
    QTest::addColumn<int>("alreadyBuffered");
    QTest::addColumn<int>("reportsTaken");
    // 11 full reports are the first to reach 640 bytes.
    QTest::newRow("recorder: 640 bytes per call") << Bridge::Original << 0 << 11;
    // The CH9326 bound counts the caller's whole buffer.
    QTest::newRow("ch9326: 5200 bytes buffered") << Bridge::Ch9326 << 5150 << 2;
    // 17 full reports are the first to pass 520 bytes.
    QTest::newRow("holtek: more than 520 bytes") << Bridge::Holtek << 0 << 17;
}

void TestDevice::readStopsAtItsBound()
{
    QFETCH(Bridge, bridge);
    QFETCH(int, alreadyBuffered);
    QFETCH(int, reportsTaken);
    Rig rig = makeRig(bridge);
    QVERIFY(rig.link->open());
    for (int i = 0; i < 40; ++i)
        rig.device->input.append(FakeHid::report(pattern(rig.payloadRoom), rig.inputSize));
    QByteArray buffer(alreadyBuffered, 'b');
    QVERIFY(rig.link->read(buffer));
    QCOMPARE(rig.device->input.size(), 40 - reportsTaken);
    QCOMPARE(buffer.size(), alreadyBuffered + reportsTaken * rig.payloadRoom);
}

void TestDevice::failedReadEnds_data()
{
    QTest::addColumn<Bridge>("bridge");
    QTest::addColumn<bool>("result");
    QTest::newRow("recorder: nothing collected") << Bridge::Original << false;
    QTest::newRow("ch9326: read error") << Bridge::Ch9326 << false;
    // A failed wait ends the Holtek read like a time-out.
    QTest::newRow("holtek: failed wait") << Bridge::Holtek << true;
}

void TestDevice::failedReadEnds()
{
    QFETCH(Bridge, bridge);
    QFETCH(bool, result);
    Rig rig = makeRig(bridge);
    QVERIFY(rig.link->open());
    rig.device->failReads = true;
    QByteArray buffer;
    QCOMPARE(rig.link->read(buffer), result);
    QVERIFY(buffer.isEmpty());
}

void TestDevice::bridgesAreConfiguredOnOpen()
{
    FakeHid::Device &ch = FakeHid::plug(HidCH9326::vendorId, HidCH9326::productId);
    FakeHid::Device &holtek = FakeHid::plug(HidClass::vendorId, HidClass::productId);
    HidCH9326 chLink;
    HidClass holtekLink;
    QVERIFY(chLink.open());
    QVERIFY(holtekLink.open());
    QCOMPARE(ch.features, QList<QByteArray>{QByteArray::fromHex("000d04010430")});
    const QByteArray line = QByteArray::fromHex("000100c201000000 08") + QByteArray(23, '\0');
    QCOMPARE(holtek.features, QList<QByteArray>{line});
}

void TestDevice::ch9326ReadsWithTheLinkTimeout()
{
    FakeHid::Device &device = FakeHid::plug(HidCH9326::vendorId, HidCH9326::productId);
    HidCH9326 link;
    QCOMPARE(link.timeout(), 30);
    link.setTimeout(20);
    QVERIFY(link.open());
    QByteArray buffer;
    QVERIFY(link.read(buffer));
    QCOMPARE(device.lastReadTimeoutMs, 20);
}

void TestDevice::ch9326ReadWithNothingKeepsBuffer()
{
    FakeHid::plug(HidCH9326::vendorId, HidCH9326::productId);
    HidCH9326 link;
    QVERIFY(link.open());
    QByteArray buffer = "earlier";
    QVERIFY(link.read(buffer));
    QCOMPARE(buffer, QByteArray("earlier"));
}

void TestDevice::holtekReadWithNothingKeepsBuffer()
{
    FakeHid::plug(HidClass::vendorId, HidClass::productId);
    HidClass link;
    QVERIFY(link.open());
    QByteArray buffer = "earlier";
    QVERIFY(link.read(buffer));
    QCOMPARE(buffer, QByteArray("earlier"));
}

QTEST_GUILESS_MAIN(TestDevice)
#include "test_device.moc"
