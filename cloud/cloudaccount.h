#pragma once

#include <QString>

#include "cloudsession.h"

class CloudTransport;

// The account requests: node lookup, login with member lookup, the
// password-reset link and the version check. Runs on the sync thread.
class CloudAccount
{
public:
    struct Outcome
    {
        bool isSuccess = false;
        QString text;   // shown to the user on failure
        int code = 0;   // the reply's code, 0 when none came
    };
    struct VersionOutcome
    {
        bool isSuccess = false;
        bool existsNew = false;
        QString version;
        QString url;
    };

    CloudAccount(CloudTransport &transport, CloudSession &session, const CloudTimeouts &timeouts);

    // Fills the session's node address, user, token and member id.
    Outcome login(const QString &username, const QString &password);
    Outcome sendResetLink(const QString &email);
    VersionOutcome checkVersion(const QString &ownVersion);

private:
    Outcome lookUpNode(const QString &email);
    Outcome lookUpMember();

    CloudTransport &m_transport;
    CloudSession &m_session;
    CloudTimeouts m_timeouts;
};
