#pragma once

#include "app/ProgramFolders.h"
#include "gpsdata/GPSData.h"

#include <QStringList>
#include <QTextStream>

namespace cli {

// A data set for one command, with the installed product table, and every
// FileError and Warning it raises kept in order.
class DataSetSession {
public:
    DataSetSession();

    gpsdata::GPSData& Data() { return data_; }
    const QStringList& Messages() const { return messages_; }

    // False, after a message, when the file does not exist or cannot be read
    // at all; true otherwise, whatever the file held.
    bool Open(const QString& path, QTextStream& err, const char* command);
    // True when the file was read without a problem (Open's and the load's).
    bool Complete() const { return complete_; }
    // A position list (".txt") keeps the waypoints only; saving one tells
    // on `err` what it leaves out.
    bool Save(const QString& path, QTextStream& err, const char* command);
    // Prints the messages raised so far, one per line, to `err`.
    void PrintMessages(QTextStream& err, const char* command) const;

private:
    gpsdata::GPSData data_{app::ProgramFolders::InstalledDataFolder()};
    QStringList messages_;
    bool complete_ = false;
};

} // namespace cli
