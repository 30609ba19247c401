#include "comm/PortChoice.h"

#include <algorithm>

namespace comm {

quint16 PortChoice::ComPort() const {
    return comPort_ >= 1 && comPort_ <= 8 ? comPort_ : 1;
}

qint32 PortChoice::BaudRate() const {
    const qint32 rate = Rates[rateIndex_];
    return rate == 0 ? 115200 : rate;
}

void PortChoice::SetBaudRate(qint32 rate) {
    if (Choosable(rate))
        rateIndex_ = int(std::find(Rates.begin(), Rates.end(), rate) - Rates.begin());
}

bool PortChoice::Choosable(qint32 rate) {
    return std::find(Rates.begin() + 1, Rates.end(), rate) != Rates.end();
}

qint32 PortChoice::NextBaudRate() const {
    const int next = rateIndex_ + 1;
    return next >= int(Rates.size()) - 1 ? Rates[2] : Rates[next];
}

quint16 PortChoice::NextComPort() const {
    const quint16 next = ComPort() + 1;
    return next >= 5 ? 1 : next;
}

} // namespace comm
