#pragma once

#include <QtGlobal>

#include <array>

namespace comm {

// The serial and parallel port choices of the session and the serial rate it
// tries next. A connection attempt walks the COM ports and, on a unit that does
// not answer, the rates; both walks are kept here so they can be checked alone.
class PortChoice {
public:
    static constexpr std::array<qint32, 8> Rates = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

    // Stored values outside 1..8 read as COM1.
    quint16 ComPort() const;
    void SetComPort(quint16 port) { comPort_ = port; }

    // 1 = LPT1 (0x378), 2 = LPT2 (0x278); kept as given.
    quint16 LPTPort() const { return lptPort_; }
    void SetLPTPort(quint16 port) { lptPort_ = port; }

    bool AutoSelectComPort() const { return autoSelect_; }
    void SetAutoSelectComPort(bool on) { autoSelect_ = on; }

    qint32 BaudRate() const;
    // Only 2400..115200 can be chosen; 1200 and unknown rates keep the current one.
    void SetBaudRate(qint32 rate);
    static bool Choosable(qint32 rate);
    // The rate the scan tries after the current one; the scan never goes back
    // below 4800 because the units do not talk slower than that.
    qint32 NextBaudRate() const;
    // The COM port after the current one, within COM1..COM4.
    quint16 NextComPort() const;

private:
    quint16 comPort_ = 1;
    quint16 lptPort_ = 1;
    bool autoSelect_ = true;
    int rateIndex_ = 7;
};

} // namespace comm
