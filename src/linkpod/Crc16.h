#pragma once

#include <QByteArrayView>

#include <cstdint>

namespace linkpod {

// CRC-16/CCITT-FALSE (polynomial 0x1021, initial value 0xFFFF, no reflection,
// no final xor): the check value of "123456789" is 0x29B1.
std::uint16_t Crc16(QByteArrayView bytes, std::uint16_t crc = 0xFFFF);

} // namespace linkpod
