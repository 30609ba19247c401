#pragma once

#include <QString>

namespace comm {

// The session's status-bar and message texts that carry values.
namespace SessionTexts {

// Status bar while the retry timer asks a port to answer.
QString Trying(quint16 comPort, qint32 baudRate);

// The failure box of a connection attempt: portsOpened tells whether any
// port opened during the attempt (then the unit did not answer).
QString ConnectFailure(bool portsOpened, bool autoSelectComPort);

// Empty for results that need no message (0 and unknown codes).
QString ParallelPortResult(int result);
// The card reader's folder is missing (the reader's "driver" on this system):
// what to do about it, for a folder chosen by the user or the usual one.
QString ReaderFolderMissing(quint16 lptPort, const QString& folder, bool chosen);

QString UnitVersionCheck(float unitVersion, float shippedVersion);

// Versions as the version check shows them: "2.05" for major 2, minor 5.
QString VersionText(float version);

} // namespace SessionTexts

} // namespace comm
