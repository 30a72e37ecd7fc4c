#pragma once

#include <memory>

// The entry points of the CH9326 HID-to-UART bridge, one method each. On
// Windows they call the vendor library; elsewhere our own layer speaks to
// the bridge through hidapi (ch9326port_hidapi.cpp documents its reports).
class Ch9326Port
{
public:
    // Longest payload one read delivers.
    static constexpr int readRoom = 31;

    Ch9326Port();   // calls the library's initialisation once
    ~Ch9326Port();  // closes the device if still open

    Ch9326Port(const Ch9326Port &) = delete;
    Ch9326Port &operator=(const Ch9326Port &) = delete;

    bool openDevice(unsigned short vendorId, unsigned short productId);
    bool isOpen() const;
    void closeDevice();
    bool getBufferLen(unsigned short &inputLength, unsigned short &outputLength);
    bool setTimeOut(int readMs, int writeMs);
    bool setRate(int rate, int check, int stop, int data, int interval);
    // `buffer` has readRoom bytes; `length` = bytes delivered, 0 = nothing more.
    bool readData(unsigned char *buffer, int &length);
    bool writeData(const unsigned char *data, int length);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
