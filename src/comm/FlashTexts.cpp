#include "comm/FlashTexts.h"

#include "comm/Megabytes.h"

namespace comm::FlashTexts {

QString PartitionLine(quint16 partition, quint32 sizeBytes, bool inUse, const QString& dataName) {
    return QString::number(partition + 1).leftJustified(3) +
           (Megabytes(sizeBytes) + QStringLiteral(" MB")).leftJustified(12) +
           (inUse ? dataName : QStringLiteral("Unused"));
}

QString MapTooLarge(qint64 mapBytes) {
    return QStringLiteral("Map created requires ") + Megabytes(double(mapBytes)) +
           QStringLiteral("  MB.\r\nNot enough memory to store map.");
}

QString SelectionCheck(qint64 mapBytes, qint64 contiguousBytes) {
    if (mapBytes <= contiguousBytes)
        return {};
    return MapTooLarge(mapBytes) + QStringLiteral("\r\nTry selecting another memory partition.");
}

QString WriteError(quint32 address) {
    return QStringLiteral("Error writing file at address %1.").arg(address);
}

QString TransferConfirmation(const QString& mapName, const QStringList& partitionLines) {
    const QString head = mapName.isEmpty() ? QStringLiteral("You have chosen to transfer the map")
                                           : QStringLiteral("You have chosen to transfer ") + mapName;
    return head + QStringLiteral(" to the following memory partitions:\r\n\r\n") +
           partitionLines.join(QStringLiteral("\r\n")) +
           QStringLiteral("\r\nThis will overwrite existing data.\r\nDo you wish to continue?");
}

QString EraseConfirmation(const QStringList& partitionLines) {
    return QStringLiteral("This will erase the following memory partitions:\r\n") +
           partitionLines.join(QStringLiteral("\r\n")) +
           QStringLiteral("\r\nThis will clear existing data.\r\nDo you wish to continue?");
}

QString SlowRateWarning(qint32 baudRate) {
    return QStringLiteral("Connected at %1 baud.\r\n"
                          "Map transfers will be extremely slow.\r\n"
                          "Recommend disconnecting and reconnecting\r\n"
                          "at a baud rate of at least 19200.\r\n"
                          "Continue anyway?")
        .arg(baudRate);
}

} // namespace comm::FlashTexts
