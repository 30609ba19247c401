#pragma once

#include <QString>
#include <QStringList>

namespace mapbuild {

// Writes a list of master map files (one full path a line) from
// "MasterList.txt" in the list folder: files found in the list folder itself
// are taken from there, the others from the optical drives.
class MasterListWriter {
public:
    struct Result {
        bool written = false; // the master list was read and the list saved
        bool leftOut = false; // an entry was found on no drive
    };

    MasterListWriter(QString listFolder, bool useHighDetail, QStringList driveRoots);

    // With `allDrives` every entry is taken, whatever its extension, and an
    // entry not in the list folder is written once for every drive.
    Result Write(const QString& listName, bool allDrives) const;

private:
    bool Taken(const QString& entry, bool allDrives) const;
    QStringList Paths(const QString& entry, bool allDrives, bool& leftOut) const;

    QString folder_;
    bool highDetail_;
    QStringList drives_;
};

} // namespace mapbuild
