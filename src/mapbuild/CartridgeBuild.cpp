#include "mapbuild/CartridgeBuild.h"

#include "mapbuild/MapCategorySource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>

namespace mapbuild::CartridgeBuild {

namespace {

// The longest path the engine's text buffers take.
constexpr qsizetype MaxPath = 260;
constexpr qint64 CopyChunk = 1 << 16;

} // namespace

QString TemporaryFolder() {
    const QString temp = QDir::tempPath();
    if (!temp.isEmpty() && temp.size() < MaxPath && QDir(temp).exists())
        return temp;
    return QCoreApplication::applicationDirPath();
}

QString LayerSelection(const MapCategorySource* categories) {
    QString text;
    if (!categories)
        return text;
    for (int major = 0; major < categories->MajorCount(); ++major) {
        QString name;
        if (!categories->MajorSelected(major, name))
            continue;
        const MajorCategory record = categories->Major(major);
        text += record.code;
        for (int minor = 0; minor < record.minorCount; ++minor) {
            const MinorCategory child = categories->Minor(major, minor);
            if (child.selected)
                text += u',' + child.code;
        }
        text += u';';
    }
    return text;
}

bool MakeFresh(const QString& path) {
    if (QFile::exists(path) && !QFile::remove(path))
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

qint32 ReadEstimate(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray head = file.read(4);
    if (head.size() < 4)
        return 0;
    return std::max<qint32>(0, qFromLittleEndian<qint32>(head.constData()));
}

QString CopyInto(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return in.errorString();
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return out.errorString();
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(CopyChunk);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            return in.errorString();
        if (out.write(chunk) != chunk.size())
            return out.errorString();
    }
    // commit() misses a write that fails while the buffer empties: flush first.
    if (!out.flush() || !out.commit())
        return out.errorString();
    return {};
}

} // namespace mapbuild::CartridgeBuild
