#include "mapbuild/MasterListWriter.h"

#include "mastermap/MasterSet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace mapbuild {

namespace {

// Longer lines are no file names; the reader skips them in bounded steps.
constexpr qint64 MaxEntryLength = 4096;

bool HasData(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.size() > 0;
}

} // namespace

MasterListWriter::MasterListWriter(QString masterFolder, bool useHighDetail, QStringList driveRoots)
    : folder_(std::move(masterFolder)), highDetail_(useHighDetail), drives_(std::move(driveRoots)) {}

bool MasterListWriter::Taken(const QString& entry, bool allDrives) const {
    const qsizetype dot = entry.indexOf(u'.');
    const bool at5 = dot >= 0 && entry.mid(dot).compare(u".at5", Qt::CaseInsensitive) == 0;
    if (!at5 && !allDrives)
        return false;
    // The high-detail files are big; they are only used when asked for.
    return highDetail_ || !mastermap::MasterSet::IsHighDetailName(entry);
}

QStringList MasterListWriter::Paths(const QString& entry, bool allDrives, bool& leftOut) const {
    const QString local = QDir(folder_).filePath(entry);
    if (HasData(local))
        return {local};
    QStringList paths;
    for (const QString& root : drives_) {
        const QString onDrive = QDir(root).filePath(entry);
        if (allDrives)
            paths << onDrive;
        else if (HasData(onDrive))
            return {onDrive};
    }
    if (paths.isEmpty())
        leftOut = true;
    return paths;
}

MasterListWriter::Result MasterListWriter::Write(const QString& listPath, bool allDrives) const {
    Result result;
    QFile master(QDir(folder_).filePath(QStringLiteral("MasterList.txt")));
    if (!master.open(QIODevice::ReadOnly))
        return result;
    QDir().mkpath(QFileInfo(listPath).absolutePath());
    QSaveFile out(listPath);
    if (!out.open(QIODevice::WriteOnly)) {
        result.writeError = out.errorString();
        return result;
    }
    bool overlong = false;
    while (!master.atEnd()) {
        const QByteArray line = master.readLine(MaxEntryLength);
        const bool partOfLong = overlong;
        overlong = !line.endsWith('\n') && line.size() >= MaxEntryLength - 1;
        if (partOfLong || overlong)
            continue;
        const QString entry = QString::fromUtf8(line).trimmed();
        if (entry.isEmpty() || entry.contains(QChar(0)) || !Taken(entry, allDrives))
            continue;
        for (const QString& path : Paths(entry, allDrives, result.leftOut))
            out.write(path.toUtf8() + "\r\n");
    }
    result.written = out.commit();
    if (!result.written)
        result.writeError = out.errorString();
    return result;
}

} // namespace mapbuild
