#pragma once

#include <QFile>
#include <QMutex>
#include <QObject>
#include <QSharedPointer>

// The application log: user-relevant failures, one line per entry, for the
// user or a supporter to read. Protocol and SQL detail go to the debug output.
class LogHelper : public QObject
{
    Q_OBJECT

public:
    // Above this size the file is started afresh when the logger is created.
    static constexpr qint64 maxSizeAtStart = 0x500000;

    explicit LogHelper(const QString &path, QObject *parent = nullptr);
    ~LogHelper() override;

    // The process-wide logger on "Nocturnix.log" in the home directory.
    static QSharedPointer<LogHelper> instance();
    static QString defaultPath();

    bool isOpen() const { return m_opened; }
    QString path() const { return m_file.fileName(); }

    // Safe from any thread; each entry is written whole.
    void write(const QString &message);

private:
    QFile m_file;
    bool m_opened = false;
    QMutex m_mutex;
};
