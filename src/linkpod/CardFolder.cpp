#include "linkpod/CardFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <algorithm>
#include <cstdio>

namespace linkpod {

namespace {

const QString DescriptionName = QStringLiteral(".card");

QString TempName(const QString& name) {
    return QStringLiteral(".~") + name + QStringLiteral(".part");
}

bool Flag(const QString& value) {
    return value.trimmed() == QLatin1String("1");
}

} // namespace

CardFolder::CardFolder(QString root) : root_(std::move(root)) {}

CardFolder::~CardFolder() {
    while (!writes_.empty())
        AbortWrite(writes_.begin()->first);
}

bool CardFolder::Exists() const {
    return QFileInfo(root_).isDir();
}

QString CardFolder::PathOf(const QString& name) const {
    return QDir(root_).filePath(name);
}

CardFolder::Description CardFolder::Describe() const {
    Description d;
    d.label = QFileInfo(root_).fileName().left(11).toUpper();
    QFile f(PathOf(DescriptionName));
    if (!f.open(QIODevice::ReadOnly))
        return d;
    // A description is a few short lines; anything longer is not one of ours.
    const QList<QByteArray> lines = f.read(4096).split('\n');
    for (const QByteArray& raw : lines) {
        const QString line = QString::fromUtf8(raw).trimmed();
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed().toLower();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == QLatin1String("label"))
            d.label = value.left(32);
        else if (key == QLatin1String("capacity"))
            d.capacity = value.toULongLong();
        else if (key == QLatin1String("formatted"))
            d.formatted = Flag(value);
        else if (key == QLatin1String("maxfiles"))
            d.maxFiles = static_cast<std::uint16_t>(std::clamp(value.toInt(), 0, 65535));
        else if (key == QLatin1String("readonly"))
            d.readOnly = Flag(value);
        else if (key == QLatin1String("shortnames"))
            d.shortNames = Flag(value);
    }
    return d;
}

void CardFolder::SaveDescription(const Description& d) const {
    QSaveFile f(PathOf(DescriptionName));
    if (!f.open(QIODevice::WriteOnly))
        return;
    QByteArray text;
    text += "label=" + d.label.toUtf8() + "\n";
    if (d.capacity)
        text += "capacity=" + QByteArray::number(d.capacity) + "\n";
    text += "formatted=" + QByteArray(d.formatted ? "1" : "0") + "\n";
    text += "maxfiles=" + QByteArray::number(d.maxFiles) + "\n";
    text += "readonly=" + QByteArray(d.readOnly ? "1" : "0") + "\n";
    text += "shortnames=" + QByteArray(d.shortNames ? "1" : "0") + "\n";
    f.write(text);
    f.commit();
}

std::uint64_t CardFolder::PendingBytes() const {
    std::uint64_t sum = 0;
    for (const auto& [handle, w] : writes_)
        sum += w.size;
    return sum;
}

CardSlot CardFolder::Slot() const {
    CardSlot s;
    if (!Exists())
        return s;
    const Description d = Describe();
    s.type = CardSlot::Card;
    s.formatted = d.formatted;
    s.label = d.label;
    s.maxFiles = d.maxFiles;
    s.writeProtected = d.readOnly || !QFileInfo(root_).isWritable();
    s.shortNames = d.shortNames;
    if (d.capacity) {
        s.capacity = d.capacity;
        for (const CardFile& f : Files())
            s.used += f.size;
    } else {
        const QStorageInfo fs(root_);
        s.capacity = static_cast<std::uint64_t>(std::max<qint64>(fs.bytesTotal(), 0));
        s.used = s.capacity - std::min<std::uint64_t>(s.capacity, std::max<qint64>(fs.bytesAvailable(), 0));
    }
    s.used = std::min(s.capacity, s.used + PendingBytes());
    return s;
}

QList<CardFile> CardFolder::Files() const {
    QList<CardFile> out;
    if (!Describe().formatted)
        return out;
    const QFileInfoList entries = QDir(root_).entryInfoList(QDir::Files | QDir::NoSymLinks, QDir::Name);
    for (const QFileInfo& fi : entries) {
        CardFile f;
        f.name = fi.fileName();
        f.size = static_cast<std::uint64_t>(fi.size());
        f.type = TypeOf(f.name);
        f.date = static_cast<std::uint32_t>(std::max<qint64>(fi.lastModified().toSecsSinceEpoch(), 0));
        out.append(f);
    }
    return out;
}

std::uint16_t CardFolder::TypeOf(const QString& name) {
    if (name.endsWith(QLatin1String(".ncm"), Qt::CaseInsensitive))
        return CardFile::Map;
    if (name.compare(UserDataFileName(), Qt::CaseInsensitive) == 0)
        return CardFile::UserData;
    return CardFile::Other;
}

bool CardFolder::EraseFile(int index) {
    const QList<CardFile> files = Files();
    if (index < 0 || index >= files.size() || Slot().writeProtected)
        return false;
    return QFile::remove(PathOf(files[index].name));
}

bool CardFolder::Format(const QString& label) {
    if (!Exists() || Describe().readOnly)
        return false;
    while (!writes_.empty())
        AbortWrite(writes_.begin()->first);
    const QFileInfoList entries =
        QDir(root_).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    bool ok = true;
    for (const QFileInfo& fi : entries) {
        if (fi.fileName() == DescriptionName)
            continue;
        // A link is removed itself; its target, maybe outside the card, stays.
        if (fi.isDir() && !fi.isSymLink())
            ok = QDir(fi.filePath()).removeRecursively() && ok;
        else
            ok = QFile::remove(fi.filePath()) && ok;
    }
    Description d = Describe();
    d.label = label;
    d.formatted = true;
    SaveDescription(d);
    return ok;
}

bool CardFolder::LegalName(const QString& name, bool shortNamesOnly) {
    if (name.isEmpty() || name.toUtf8().size() > 255 || name.startsWith(QLatin1Char('.')) ||
        name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return false;
    for (const QChar c : name)
        if (c.unicode() < 32 || QStringLiteral("/\\:*?\"<>|").contains(c))
            return false;
    if (!shortNamesOnly)
        return true;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? name : name.left(dot);
    const QString ext = dot < 0 ? QString() : name.mid(dot + 1);
    if (base.isEmpty() || base.size() > 8 || ext.size() > 3 || base.contains(QLatin1Char('.')))
        return false;
    for (const QChar c : base + ext)
        if (c.unicode() > 127 || !(c.isLetterOrNumber() || QStringLiteral("_-~!#$%&'()@^{}").contains(c)))
            return false;
    return true;
}

int CardFolder::CheckStart(const CardSlot& slot, const QList<CardFile>& files, const QString& name,
                           std::uint64_t size, bool replace) {
    if (slot.type != CardSlot::Card || !slot.formatted)
        return InvalidDevice;
    if (slot.writeProtected)
        return WriteProtected;
    if (!LegalName(name, slot.shortNames))
        return IllegalName;
    const auto existing = std::find_if(files.begin(), files.end(), [&](const CardFile& f) {
        return f.name.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (existing != files.end() && !replace)
        return FileExists;
    const std::uint64_t freed = existing != files.end() ? existing->size : 0;
    if (size > slot.capacity - std::min(slot.capacity, slot.used - std::min(slot.used, freed)))
        return NoSpace;
    if (existing == files.end() && files.size() >= slot.maxFiles)
        return TooManyFiles;
    return Started;
}

int CardFolder::StartWrite(const QString& name, std::uint64_t size, std::uint32_t handle, bool replace) {
    if (!Exists())
        return InvalidDevice;
    const int check = CheckStart(Slot(), Files(), name, size, replace);
    if (check != Started)
        return check;
    if (writes_.size() >= MaxOpenWrites || writes_.count(handle))
        return TooManyOpen;
    for (const auto& [h, w] : writes_)
        if (w.name.compare(name, Qt::CaseInsensitive) == 0)
            return FileExists;
    auto file = std::make_unique<QFile>(PathOf(TempName(name)));
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate))
        return WriteProtected;
    writes_[handle] = Write{name, size, 0, replace, std::move(file)};
    return Started;
}

bool CardFolder::WriteBlock(std::uint32_t handle, const QByteArray& bytes) {
    const auto it = writes_.find(handle);
    if (it == writes_.end())
        return false;
    Write& w = it->second;
    if (w.written + static_cast<std::uint64_t>(bytes.size()) > w.size ||
        w.file->write(bytes) != bytes.size()) {
        AbortWrite(handle);
        return false;
    }
    w.written += static_cast<std::uint64_t>(bytes.size());
    return true;
}

bool CardFolder::EndWrite(std::uint32_t handle) {
    const auto it = writes_.find(handle);
    if (it == writes_.end())
        return false;
    Write& w = it->second;
    const bool flushed = w.file->flush() && w.file->error() == QFileDevice::NoError;
    w.file->close();
    const QString temp = w.file->fileName();
    const QString target = PathOf(w.name);
    bool ok = flushed;
    if (ok && !w.replace && QFileInfo::exists(target))
        ok = false; // somebody else put a file of that name there meanwhile
    // rename() replaces the target in one step, so a reader never sees a gap.
    ok = ok && std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(target).constData()) == 0;
    if (!ok)
        QFile::remove(temp);
    writes_.erase(it);
    return ok;
}

void CardFolder::AbortWrite(std::uint32_t handle) {
    const auto it = writes_.find(handle);
    if (it == writes_.end())
        return;
    it->second.file->close();
    it->second.file->remove();
    writes_.erase(it);
}

} // namespace linkpod
