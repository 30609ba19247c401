#include "app/CommandLine.h"

#include <QFileInfo>
#include <QStorageInfo>

namespace app {

QString GetCommandOption(const QString& text, const QString& key) {
    if (key.isEmpty())
        return {};
    qsizetype pos = 0;
    while ((pos = text.indexOf(key, pos, Qt::CaseInsensitive)) >= 0) {
        if (pos == 0 || text.at(pos - 1).isSpace()) {
            const qsizetype end = text.indexOf(QLatin1Char(' '), pos);
            return text.mid(pos, end < 0 ? -1 : end - pos);
        }
        ++pos;
    }
    return {};
}

QString FindFirstCDDrive() {
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString device = QString::fromLocal8Bit(volume.device());
        const QString type = QString::fromLatin1(volume.fileSystemType()).toLower();
        if (device.startsWith(QLatin1String("/dev/sr")) || device.startsWith(QLatin1String("/dev/cdrom")) ||
            type == QLatin1String("iso9660") || type == QLatin1String("udf"))
            return volume.rootPath();
    }
    return {};
}

QString ParseCommandOptions(const QString& text) {
    const QString token = GetCommandOption(text, QStringLiteral("/d"));
    // A path such as /data/x.nmp also starts with the key: only a drive letter
    // or a folder right after the key make an option.
    if (token.size() == 3 && token.at(2).isLetter())
        return token.at(2) + QStringLiteral(":");
    if (token.size() > 3 && token.at(2) == QLatin1Char('/'))
        return token.mid(2);
    return FindFirstCDDrive();
}

namespace {

// The entry of `folder` that matches `name`, the exact spelling first.
QString EntryOnDisk(const QDir& folder, const QString& name) {
    if (QFileInfo::exists(folder.filePath(name)))
        return name;
    const QStringList entries =
        folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return {};
}

} // namespace

QString ResolveLongPath(const QString& path) {
    if (path.trimmed().isEmpty())
        return {};
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    QDir folder = QDir::root();
    const QStringList parts = absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString entry = EntryOnDisk(folder, parts.at(i));
        if (entry.isEmpty())
            return {};
        if (i + 1 == parts.size())
            return folder.filePath(entry);
        if (!folder.cd(entry))
            return {};
    }
    return QDir::rootPath();
}

QStringList CommandNameCandidates(const QString& text) {
    QList<qsizetype> starts;
    QList<qsizetype> ends;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char(' '))
            continue;
        if (i == 0 || text.at(i - 1) == QLatin1Char(' '))
            starts << i;
        if (i + 1 == text.size() || text.at(i + 1) == QLatin1Char(' '))
            ends << i + 1;
    }
    QStringList candidates;
    for (const qsizetype start : starts)
        for (auto end = ends.crbegin(); end != ends.crend() && *end > start; ++end)
            candidates << text.mid(start, *end - start);
    return candidates;
}

QString JoinCommandLine(const QStringList& arguments, const QDir& current) {
    QStringList parts;
    for (const QString& argument : arguments) {
        const QFileInfo info(current, argument);
        parts << (!argument.isEmpty() && info.exists() ? info.absoluteFilePath() : argument);
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace app
