#include "comm/SessionTexts.h"

namespace comm::SessionTexts {

QString Trying(quint16 comPort, qint32 baudRate) {
    return QStringLiteral("Com%1 - Trying %2 baud").arg(comPort).arg(baudRate);
}

QString ConnectFailure(bool portsOpened, bool autoSelectComPort) {
    if (portsOpened)
        return QStringLiteral(
            "Unable to connect to unit.\r\n"
            "Make sure the unit is set to no parity and 8 data bits, that NMEA and DGPS are turned off,\r\n"
            "and then try again. If you still have problems, verify that the COM port and software are "
            "installed properly.");
    if (autoSelectComPort)
        return QStringLiteral(
            "Unable to open any COM port. Make sure no other program is using your COM port(s).");
    return QStringLiteral(
        "Unable to open the selected COM port. Check the COM port number and make sure no other "
        "program is using that COM port.");
}

QString ParallelPortResult(int result) {
    switch (result) {
    case 2:
        return QStringLiteral("The parallel port is already open by another program.\r\n"
                              "Please exit other program and try again.");
    case 3:
        return QStringLiteral("The parallel port driver is not installed correctly.\r\n"
                              "Please reinstall the application.");
    default:
        return {};
    }
}

QString ReaderFolderMissing(quint16 lptPort, const QString& folder, bool chosen) {
    const QString port = QStringLiteral("LPT%1").arg(lptPort);
    const QString head = chosen ? QStringLiteral("The card reader's folder for ") + port +
                                      QStringLiteral(" was not found:\r\n") + folder +
                                      QStringLiteral("\r\nInsert or mount the card there, or choose")
                                : QStringLiteral("No folder is set for the card reader on ") + port +
                                      QStringLiteral(" and its usual folder was not found:\r\n") + folder +
                                      QStringLiteral("\r\nChoose");
    return head + QStringLiteral(" the card reader's folder for ") + port +
           QStringLiteral(" in the Options window, then open the card reader again.");
}

QString VersionText(float version) {
    // Shortest text that reads back as the same float, as the unit's own
    // version screens show it ("2.5" rather than "2.50000").
    return QString::number(double(version), 'g', 7);
}

QString UnitVersionCheck(float unitVersion, float shippedVersion) {
    return QStringLiteral("GPS unit's software version is v") + VersionText(unitVersion) +
           QStringLiteral(".\r\nThe software shipped on your Terrafold CD for this unit is version v") +
           VersionText(shippedVersion) +
           QStringLiteral(".\r\nIt is highly recommended that you update your software before continuing.\r\n"
                          "Would you like to update the GPS unit's software?");
}

} // namespace comm::SessionTexts
