#include "comm/PortChoice.h"

namespace comm {

quint16 PortChoice::ComPort() const {
    return comPort_ >= 1 && comPort_ <= 8 ? comPort_ : 1;
}

qint32 PortChoice::BaudRate() const {
    const qint32 rate = Rates[rateIndex_];
    return rate == 0 ? 115200 : rate;
}

void PortChoice::SetBaudRate(qint32 rate) {
    for (int i = 1; i < int(Rates.size()); ++i) {
        if (Rates[i] == rate) {
            rateIndex_ = i;
            return;
        }
    }
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
