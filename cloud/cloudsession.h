#pragma once

#include <QString>

// Who is signed in and where their service lives. Held by SyncHelper on
// the sync thread; a new login replaces all of it.
struct CloudSession
{
    QString apiUrl;        // the build's API base address
    QString nodeAddress;   // the user's service, found by the node lookup
    bool hasUser = false;
    int userId = 0;
    QString name;
    QString email;
    QString date;
    QString memberId;      // decimal text, sent with every uploaded night

    QString nodeLookupUrl() const { return apiUrl + QStringLiteral("/node"); }
    void clearUser()
    {
        hasUser = false;
        userId = 0;
        name.clear();
        email.clear();
        date.clear();
        memberId.clear();
    }
};

// 8,000 ms for the account requests, 5,000 ms for the rest; tests shorten them.
struct CloudTimeouts
{
    int longMs = 8000;
    int shortMs = 5000;
};
