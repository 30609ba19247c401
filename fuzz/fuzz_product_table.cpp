// The product table is read from an installed text file that a user may edit:
// any bytes must load or be skipped without a crash, a hang or a runaway
// allocation.
#include "gpsdata/ProductTable.h"

#include <QString>
#include <QTextStream>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    QString text = QString::fromUtf8(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    QTextStream in(&text);
    gpsdata::ProductTable table;
    table.Read(in);
    return 0;
}
