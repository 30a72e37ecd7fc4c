#pragma once

#include <memory>

// The entry points of the Holtek HID-to-UART bridge and the report I/O on
// its handle. On Windows they call the vendor library and overlapped file
// I/O; elsewhere our own layer speaks to the bridge through hidapi
// (holtekport_hidapi.cpp documents its reports). Reports are handled in
// the Windows layout: byte 0 is the report id.
class HoltekPort
{
public:
    static constexpr int reportSize = 33;

    enum class Wait { Signalled, TimedOut, Failed };

    HoltekPort();
    ~HoltekPort();

    HoltekPort(const HoltekPort &) = delete;
    HoltekPort &operator=(const HoltekPort &) = delete;

    // False when the vendor library could not be loaded.
    bool isLoaded() const;
    bool openFirstHIDDevice(unsigned short vendorId, unsigned short productId);
    bool isOpen() const;
    void closeHIDDevice();
    bool setFeature(const unsigned char *report, int length);
    // One output report of reportSize bytes, waiting at most waitMs for it to go out.
    Wait writeReport(const unsigned char *report, int waitMs);
    // One input report of reportSize bytes, waiting at most waitMs for it to come.
    Wait readReport(unsigned char *report, int waitMs);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
