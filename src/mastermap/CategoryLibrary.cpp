#include "mastermap/CategoryLibrary.h"

#include "mastermap/Feature.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

namespace mastermap {

namespace {

const QString Signature = QStringLiteral("# Terrafold master definition library 1");
// More text than any real library holds; a longer file is not one.
constexpr qint64 MaxLibraryBytes = 1 << 20;

} // namespace

QString CategoryLibrary::AddLine(const QString& raw) {
    const QString line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(u'#'))
        return {};
    static const QRegularExpression form(QStringLiteral("^(major|minor)\\s+(\\d{1,4})\\s+(\\S.*)$"));
    const auto m = form.match(line);
    if (!m.hasMatch())
        return QStringLiteral("expected \"major CODE NAME\" or \"minor CATEGORY NAME\"");
    const int number = m.captured(2).toInt();
    const QString name = m.captured(3).trimmed();
    if (m.captured(1) == u"major") {
        for (const Major& major : majors_)
            if (major.code == number)
                return QStringLiteral("major category code %1 is used twice").arg(number);
        majors_.push_back({number, name, {}});
        return {};
    }
    if (majors_.empty())
        return QStringLiteral("a minor category needs a major category before it");
    if (number >= CategoryCount)
        return QStringLiteral("map category %1 is not between 0 and %2").arg(number).arg(CategoryCount - 1);
    if (Find(number))
        return QStringLiteral("map category %1 is used twice").arg(number);
    majors_.back().minors.push_back({number, name});
    return {};
}

QString CategoryLibrary::Parse(const QString& text) {
    majors_.clear();
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString error = AddLine(lines[i]);
        if (!error.isEmpty()) {
            majors_.clear();
            return QStringLiteral("line %1: %2").arg(i + 1).arg(error);
        }
    }
    return {};
}

QString CategoryLibrary::Read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Cannot open %1: %2").arg(path, file.errorString());
    if (file.size() > MaxLibraryBytes)
        return QStringLiteral("%1 is not a master definition library.").arg(path);
    const QString error = Parse(QString::fromUtf8(file.readAll()));
    return error.isEmpty() ? error : QStringLiteral("%1, %2").arg(path, error);
}

QString CategoryLibrary::Text() const {
    QString out = Signature + u'\n';
    for (const Major& major : majors_) {
        out += QStringLiteral("major %1 %2\n").arg(major.code).arg(major.name);
        for (const Minor& minor : major.minors)
            out += QStringLiteral("minor %1 %2\n").arg(minor.category).arg(minor.name);
    }
    return out;
}

QString CategoryLibrary::Write(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot create %1: %2").arg(path, file.errorString());
    file.write(Text().toUtf8());
    if (!file.commit())
        return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    return {};
}

std::optional<CategoryLibrary::Place> CategoryLibrary::Find(int category) const {
    for (std::size_t i = 0; i < majors_.size(); ++i)
        for (std::size_t j = 0; j < majors_[i].minors.size(); ++j)
            if (majors_[i].minors[j].category == category)
                return Place{static_cast<int>(i), static_cast<int>(j)};
    return std::nullopt;
}

} // namespace mastermap
