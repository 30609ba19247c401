#include "comm/CardTexts.h"

#include "comm/Megabytes.h"

namespace comm::CardTexts {

QString CardEntry(const QString& label, bool formatted, quint64 capacity, quint64 used) {
    if (!formatted)
        return QStringLiteral("Unformatted");
    // A card reporting more used than its capacity has no free space, not a huge one.
    const quint64 free = used >= capacity ? 0 : capacity - used;
    return label.leftJustified(10, QLatin1Char(' '), true) + Megabytes(double(free)) +
           QStringLiteral(" MB free");
}

QString FileEntry(const QString& name, quint64 size) {
    QString mb = Megabytes(double(size));
    if (size > 0 && mb == QStringLiteral("0.00"))
        mb = QStringLiteral("0.01");
    return name + QLatin1Char(' ') + mb + QStringLiteral(" MB");
}

QString FileWriteStartResult(int code) {
    const QString deleteAndRetry =
        QStringLiteral("\r\nDelete a file and try again, or select a different MMC card.");
    switch (code) {
    case 0:
        return {};
    case 1:
        return QStringLiteral("There is insufficient space for the file on the selected card.") +
               deleteAndRetry;
    case 2:
        return QStringLiteral("The selected MMC card already has the maximum number of allowed files.") +
               deleteAndRetry;
    case 4:
        return QStringLiteral("Invalid device selected.");
    case 5:
        return QStringLiteral("Illegal filename.");
    case 6:
        return QStringLiteral("Too many files open.");
    case 7:
        return QStringLiteral("Writing to this card is not allowed.");
    case 8:
        return QStringLiteral("A file by this name already exists on the MMC card.\r\n"
                              "Rename your map or erase the file on the MMC card first.");
    default:
        return QStringLiteral("Unable to start transfering the file.");
    }
}

QString SaveDataResult(int code) {
    switch (code) {
    case 0:
        return {};
    case 1:
        return QStringLiteral("Insufficient space remaining on the selected MMC card.");
    default:
        // A save that did not happen is never reported as done.
        return QStringLiteral("Unable to save the user data file on the selected MMC card.");
    }
}

QString LoadDataResult(int code) {
    switch (code) {
    case 1:
        return QStringLiteral("User data file not found on the selected MMC card.");
    case 2:
        return QStringLiteral("Incompatible user data file version.");
    case 3:
        return QStringLiteral("File contains too much information for loading.");
    case 0:
        return {};
    default:
        return QStringLiteral("Unable to read the user data file on the selected MMC card.");
    }
}

} // namespace comm::CardTexts
