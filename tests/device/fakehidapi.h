#pragma once

#include <QByteArray>
#include <QList>

// A stand-in for hidapi: plugged devices answer with the input reports a
// test queues and record what the transports send. Reads never wait, so a
// read with nothing queued is an immediate time-out.
namespace FakeHid {

struct Device
{
    unsigned short vendorId = 0;
    unsigned short productId = 0;
    QList<QByteArray> input;      // what each hid_read_timeout returns, in order
    QList<QByteArray> written;    // every hid_write buffer
    QList<QByteArray> features;   // every hid_send_feature_report buffer
    bool failWrites = false;
    bool failReads = false;
    int opens = 0;
    int lastReadTimeoutMs = -1;
};

void reset();
Device &plug(unsigned short vendorId, unsigned short productId);
// Devices handed out by hid_open and not yet closed.
int openHandles();

// An input report of `size` bytes: length byte, payload, zero padding.
QByteArray report(const QByteArray &payload, int size, int lengthByte = -1);

} // namespace FakeHid
