#pragma once

#include "linkpod/UserDataStore.h"

#include <QByteArray>
#include <QDateTime>

namespace linkpod {

// The ".usr" user data file (docs/usr-format.md): a magic, a version, the
// time it was written, the four record lists and a CRC-32 of all before it.
namespace usr {

// Load results, as the control reports them at the end of a load.
enum LoadResult {
    Loaded = 0,
    NotFound = 1,
    Incompatible = 2, // not a user data file, or a version we do not know
    TooMuch = 3,      // more records than the store accepts
    Damaged = 4,      // checksum or structure wrong
};

constexpr std::uint16_t Version = 1;
QByteArray Magic();

QByteArray Encode(const UserDataStore& store, const QDateTime& written);
// Decodes into `out` only when the whole file is sound; `out` is untouched
// otherwise.
int Decode(const QByteArray& bytes, const StoreCapacity& capacity, UserDataStore& out);

std::uint32_t Crc32(QByteArrayView bytes);

} // namespace usr
} // namespace linkpod
