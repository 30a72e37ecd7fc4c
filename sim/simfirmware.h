#pragma once

#include <QByteArray>

#include "simrecorder.h"

// The recorder's side of both framings: takes the bytes the program writes
// and returns the reply bytes, empty when the recorder stays silent.
class SimFirmware
{
public:
    SimFirmware(SimRecorder::Config &config, SimRecorder::State &state);

    // Forgets the link key and any half-received request (power cycle).
    void reset();
    // Every complete request in `bytes` (with what came before) gets its reply.
    QByteArray receive(const QByteArray &bytes);

private:
    struct Request
    {
        bool legacy = false;
        quint8 command = 0;
        quint16 argument = 0;
        QByteArray payload;
    };

    bool takeRequest(Request &request);
    QByteArray answer(const Request &request);
    QByteArray answerLegacy(const Request &request, const QByteArray &payload, bool &ok);
    QByteArray answerCurrent(const Request &request, const QByteArray &payload, bool &ok);
    QByteArray keyReply(const QByteArray &challenge);
    QByteArray informationText() const;
    QByteArray informationRecord() const;
    QStringList listedNames() const;
    QByteArray fileList() const;
    QByteArray startRead(const QByteArray &name, bool &ok);
    QByteArray chunk(qint64 offset, bool &ok);
    QByteArray frame(const Request &request, bool ok, const QByteArray &payload) const;

    SimRecorder::Config &m_config;
    SimRecorder::State &m_state;
    QByteArray m_inbox;
    QByteArray m_key;
    QByteArray m_reading;
};
