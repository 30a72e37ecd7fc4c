#include "test_cloudwire.h"

#include <QCryptographicHash>
#include <QJsonArray>

#include "cloudwire.h"

void TestCloudWire::escapesQueryValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("space") << "a b" << "a%20b";
    QTest::newRow("ampersand and equals") << "a&b=c" << "a%26b%3Dc";
    QTest::newRow("percent first, never twice") << "50%+%20" << "50%25%2B%2520";
    QTest::newRow("slash question hash") << "/?#" << "%2F%3F%23";
    QTest::newRow("at sign and letters stay") << "owl@example.org" << "owl@example.org";
}

void TestCloudWire::escapesQueryValues()
{
    QFETCH(QString, value);
    QFETCH(QString, escaped);
    QCOMPARE(CloudWire::escapeValue(value), escaped);
}

void TestCloudWire::sortsQueryKeysAndLeavesThemUnescaped()
{
    const CloudWire::Params params{{"userId", "7"}, {"email", "a b"}, {"page Index", "1"}};
    QCOMPARE(CloudWire::queryString(params), QStringLiteral("?email=a%20b&page Index=1&userId=7"));
    QCOMPARE(CloudWire::queryString({}), QString());
}

void TestCloudWire::signsCompactSortedJson()
{
    const QString salt = QStringLiteral("00112233445566778899aabbccddeeff");
    const QByteArray literal =
        R"({"email":"a \"b\"","salt":"00112233445566778899aabbccddeeff","timeStamp":"1700000000000","userId":"7"})";
    const QByteArray expected = QCryptographicHash::hash(literal, QCryptographicHash::Md5).toHex().toUpper();
    const CloudWire::Params params{{"userId", "7"}, {"email", "a \"b\""}};
    const QByteArray sign = CloudWire::sign(params, "1700000000000", salt);
    QCOMPARE(sign, expected);
    QCOMPARE(CloudWire::sign(params, "1700000000000", salt), sign);
    QVERIFY(CloudWire::sign(params, "1700000000001", salt) != sign);
    QVERIFY(CloudWire::sign(params, "1700000000000", QString(salt).replace(0, 1, "f")) != sign);
    QVERIFY(CloudWire::sign(CloudWire::Params{{"userId", "8"}, {"email", "a \"b\""}}, "1700000000000", salt) != sign);
}

void TestCloudWire::signCoversStringsAndWholeNumbersOnly()
{
    const QJsonObject body{{"userId", 7}, {"name", "x"}, {"list", QJsonArray{1}}, {"flag", true}, {"size", 50.0}};
    const QJsonObject expected{{"userId", "7"}, {"name", "x"}, {"size", "50"}};
    QCOMPARE(CloudWire::signParams(body), expected);
}

void TestCloudWire::prefixesPlainNodes_data()
{
    QTest::addColumn<QString>("node");
    QTest::addColumn<QString>("address");
    QTest::newRow("plain host") << "node3.example.org" << "http://node3.example.org";
    QTest::newRow("https kept") << "https://node3.example.org" << "https://node3.example.org";
    QTest::newRow("https anywhere kept") << "node.https.example.org" << "node.https.example.org";
    QTest::newRow("http gets another prefix") << "http://node" << "http://http://node";
}

void TestCloudWire::prefixesPlainNodes()
{
    QFETCH(QString, node);
    QFETCH(QString, address);
    QCOMPARE(CloudWire::nodeAddress(node), address);
}

void TestCloudWire::namesFailures_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("host not found") << 3 << "" << 0 << "Host not found";
    QTest::newRow("time-out, nothing came") << 5 << "" << -1 << "5.n.n";
    QTest::newRow("server error") << 401 << "500" << 0 << "401.500.0";
}

void TestCloudWire::namesFailures()
{
    QFETCH(int, error);
    QFETCH(QString, status);
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(CloudWire::errorText(error, status, code), text);
}

void TestCloudWire::parsesReplies_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("hasData");
    QTest::newRow("empty") << QByteArray() << 0 << false;
    QTest::newRow("not JSON") << QByteArray("<html>busy</html>") << 0 << false;
    QTest::newRow("no code") << QByteArray(R"({"msg":"x","data":{}})") << 0 << true;
    QTest::newRow("code 200") << QByteArray(R"({"code":200,"data":{"a":1}})") << 200 << true;
    QTest::newRow("code as text is no code") << QByteArray(R"({"code":"200"})") << 0 << false;
}

void TestCloudWire::parsesReplies()
{
    QFETCH(QByteArray, body);
    QFETCH(int, code);
    QFETCH(bool, hasData);
    const CloudWire::Reply reply = CloudWire::parseReply(body);
    QCOMPARE(reply.code, code);
    QCOMPARE(reply.isSuccess(), code == 200);
    QCOMPARE(reply.data.isObject(), hasData);
}
