#pragma once

#include <QThread>

// Relocates the whole data directory, database included, on its own thread.
// The caller stores the new directory as "dataDir" before start(): the
// database is reopened from that setting. No recording is ever deleted
// without a copy in the destination.
class MoveFileThread : public QThread
{
    Q_OBJECT

public:
    explicit MoveFileThread(QObject *parent = nullptr);

    void setDestination(const QString &dir) { m_destination = dir; }
    void setSource(const QString &dir) { m_source = dir; }

    // Moves source into destination; what cannot be moved or copied stays in
    // the source. Returns false when anything stayed behind.
    static bool moveTree(const QString &source, const QString &destination);

signals:
    void moveFinish();

protected:
    void run() override;

private:
    bool moveDatabase();

    QString m_destination;
    QString m_source;
};
