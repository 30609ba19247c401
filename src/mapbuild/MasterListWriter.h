#pragma once

#include <QString>
#include <QStringList>

namespace mapbuild {

// Writes a list of master map files (one full path a line) from
// "MasterList.txt" in the master folder: files found in the master folder
// itself are taken from there, the others from the optical drives. The list
// goes wherever it is asked to, since the master folder may be read-only.
class MasterListWriter {
public:
    struct Result {
        bool written = false; // the master list was read and the list saved
        bool leftOut = false; // an entry was found on no drive
        QString writeError;   // why the list could not be saved; empty when it was
    };

    MasterListWriter(QString masterFolder, bool useHighDetail, QStringList driveRoots);

    // With `allDrives` every entry is taken, whatever its extension, and an
    // entry not in the master folder is written once for every drive.
    Result Write(const QString& listPath, bool allDrives) const;

private:
    bool Taken(const QString& entry, bool allDrives) const;
    QStringList Paths(const QString& entry, bool allDrives, bool& leftOut) const;

    QString folder_;
    bool highDetail_;
    QStringList drives_;
};

} // namespace mapbuild
