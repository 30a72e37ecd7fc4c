#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString context;
    QString source;
    QString comment;
    QString type;          // "", "unfinished", "vanished", "obsolete"
    QStringList forms;     // one text, or the numerus forms

    QString key() const { return context + QLatin1Char('|') + source + QLatin1Char('|') + comment; }
};

struct TsFile
{
    QString language;
    QVector<Message> messages;
    QString error;
};

TsFile readTs(const QString &path)
{
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = QStringLiteral("cannot open ") + path;
        return ts;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            ts.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            m = Message{context, {}, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            m.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            m.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            m.type = xml.attributes().value(QLatin1String("type")).toString();
            // Either text, or numerusform children.
            QString text;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isCharacters())
                    text += xml.text();
                else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    m.forms.append(xml.readElementText());
                else if (xml.isEndElement() && xml.name() == QLatin1String("translation"))
                    break;
            }
            if (m.forms.isEmpty())
                m.forms.append(text);
            ts.messages.append(m);
        }
    }
    if (xml.hasError())
        ts.error = path + QStringLiteral(": ") + xml.errorString();
    return ts;
}

QSet<QString> placeholders(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("%(\\d+|n)"));
    QSet<QString> found;
    for (auto it = re.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured(0));
    return found;
}

QString leading(const QString &s)
{
    int i = 0;
    while (i < s.size() && s.at(i).isSpace())
        ++i;
    return s.left(i);
}

QString trailing(const QString &s)
{
    int i = s.size();
    while (i > 0 && s.at(i - 1).isSpace())
        --i;
    return s.mid(i);
}

QString tsPath(const QString &file) { return QStringLiteral(SOURCE_DIR "/resources/translations/") + file; }

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everyTextTranslated_data();
    void everyTextTranslated();
    void inStepWithTheCode();
};

void TestTranslations::everyTextTranslated_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("numerusForms");

    QTest::newRow("English") << "en.ts" << "en" << 2;
    QTest::newRow("Chinese") << "cn.ts" << "zh_CN" << 1;
    QTest::newRow("German") << "de.ts" << "de" << 2;
    QTest::newRow("Italian") << "it.ts" << "it" << 2;
    QTest::newRow("Spanish") << "es.ts" << "es" << 2;
    QTest::newRow("French") << "fr.ts" << "fr" << 2;
}

// Unfinished or empty texts, lost or invented placeholders, and lost
// leading or trailing spaces (texts glued to a name) all show to a user.
void TestTranslations::everyTextTranslated()
{
    QFETCH(QString, file);
    QFETCH(QString, language);
    QFETCH(int, numerusForms);

    const TsFile ts = readTs(tsPath(file));
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    QCOMPARE(ts.language, language);
    QVERIFY(!ts.messages.isEmpty());

    QStringList faults;
    for (const Message &m : ts.messages) {
        const QString where = m.context + QStringLiteral(" \"") + m.source + QStringLiteral("\": ");
        if (!m.type.isEmpty())
            faults << where + m.type;
        const bool numerus = m.source.contains(QLatin1String("%n"));
        if (numerus && m.forms.size() != numerusForms)
            faults << where + QStringLiteral("%1 numerus forms").arg(m.forms.size());
        for (const QString &text : m.forms) {
            if (text.trimmed().isEmpty())
                faults << where + QStringLiteral("empty");
            else if (placeholders(text) != placeholders(m.source))
                faults << where + QStringLiteral("placeholders differ in \"%1\"").arg(text);
            else if (leading(text) != leading(m.source) || trailing(text) != trailing(m.source))
                faults << where + QStringLiteral("spaces at the ends differ in \"%1\"").arg(text);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

// A text added to the code but not to the .ts files would show in English
// in every language: `make translations-update` was not run.
void TestTranslations::inStepWithTheCode()
{
    QTemporaryDir scratch;
    const QString fresh = scratch.filePath(QStringLiteral("fresh.ts"));
    QStringList args{QStringLiteral("-silent"), QStringLiteral("-recursive")};
    args << QStringLiteral(TRANSLATED_DIRS).split(QLatin1Char(','));
    args << QStringLiteral("-no-obsolete") << QStringLiteral("-ts") << fresh;
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(SOURCE_DIR));
    lupdate.start(QStringLiteral(LUPDATE), args);
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);

    const TsFile code = readTs(fresh);
    QVERIFY2(code.error.isEmpty(), qPrintable(code.error));
    QSet<QString> wanted;
    for (const Message &m : code.messages)
        wanted.insert(m.key());

    for (const QString &file : QDir(QStringLiteral(SOURCE_DIR "/resources/translations"))
                                   .entryList({QStringLiteral("*.ts")})) {
        const TsFile ts = readTs(tsPath(file));
        QSet<QString> held;
        for (const Message &m : ts.messages)
            held.insert(m.key());
        QStringList missing = (wanted - held).values();
        QStringList stale = (held - wanted).values();
        missing.sort();
        stale.sort();
        QVERIFY2(missing.isEmpty(), qPrintable(file + QStringLiteral(" lacks: ") + missing.join(QStringLiteral("; "))));
        QVERIFY2(stale.isEmpty(), qPrintable(file + QStringLiteral(" still holds: ") + stale.join(QStringLiteral("; "))));
    }
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
