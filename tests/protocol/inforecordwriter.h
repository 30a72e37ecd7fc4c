#pragma once

// Builds the binary information record a current recorder sends, so each
// test states only the field it is about. Bytes no field owns are 0xEE:
// a decoder that reads the wrong offset picks up an obvious value.

#include <QByteArray>
#include <QtEndian>

class InfoRecordWriter
{
public:
    InfoRecordWriter &hardware(char c) { m_hardware = c; return *this; }
    InfoRecordWriter &software(quint32 v) { m_software = v; return *this; }
    InfoRecordWriter &bootloader(quint32 v) { m_bootloader = v; return *this; }
    InfoRecordWriter &branch(const QByteArray &code) { m_branch = code; return *this; }
    InfoRecordWriter &fileVersion(int v) { m_fileVersion = v; return *this; }
    InfoRecordWriter &serial(const QByteArray &sn) { m_serial = sn; m_serialLength = sn.size(); return *this; }
    // The length byte alone, for records that lie about it.
    InfoRecordWriter &serialLength(int l) { m_serialLength = l; return *this; }
    InfoRecordWriter &size(int bytes) { m_size = bytes; return *this; }

    QByteArray bytes() const
    {
        QByteArray r(qMax(m_size, 60), char(0xEE));
        r[0] = m_hardware;
        qToLittleEndian<quint32>(m_software, r.data() + 1);
        qToLittleEndian<quint32>(m_bootloader, r.data() + 5);
        r.replace(9, 8, m_branch.leftJustified(8, '\0', true));
        r[17] = char(m_fileVersion);
        r[37] = char(m_serialLength);
        r.replace(38, 18, m_serial.leftJustified(18, char(0xEE), true));
        r.truncate(m_size);
        return r;
    }

private:
    char m_hardware = 'B';
    quint32 m_software = 0x00010203;
    quint32 m_bootloader = 0x00000001;
    QByteArray m_branch = "2D010001";
    int m_fileVersion = 3;
    QByteArray m_serial = "TS2401A0001";
    int m_serialLength = 11;
    int m_size = 60;
};
