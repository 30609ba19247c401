#pragma once

#include <QString>
#include <QStringList>

namespace comm {

// Texts of the partition list and of sending a map into partitions.
namespace FlashTexts {

// One line of the partition list; partition numbers count from 0 and are shown from 1.
QString PartitionLine(quint16 partition, quint32 sizeBytes, bool inUse, const QString& dataName);

// Empty when a map of mapBytes fits in contiguousBytes, the refusal otherwise.
QString SelectionCheck(qint64 mapBytes, qint64 contiguousBytes);

QString MapTooLarge(qint64 mapBytes);

QString WriteError(quint32 address);

// The confirmation before a map overwrites partitions; lines are "n   name".
QString TransferConfirmation(const QString& mapName, const QStringList& partitionLines);

QString EraseConfirmation(const QStringList& partitionLines);

QString SlowRateWarning(qint32 baudRate);

} // namespace FlashTexts

} // namespace comm
