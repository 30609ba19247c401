#include "CategoryMapping.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

QString CategoryMapping::Read(const QString& path, int depth) {
    if (depth > MaxIncludeDepth)
        return QStringLiteral("%1 is included too deeply").arg(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot open the category mapping %1: %2").arg(path, file.errorString());
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList words = lines[i].trimmed().split(blanks, Qt::SkipEmptyParts);
        QString error;
        if (!words.isEmpty() && words[0] == u"rule")
            error = AddRule(words);
        else if (words.size() == 4 && words[0] == u"names")
            names_[words[1]] = {words[2], words[3]};
        else if (words.size() == 2 && words[0] == u"include")
            error = Read(QFileInfo(path).dir().filePath(words[1]), depth + 1);
        else
            error = library_.AddLine(lines[i]);
        if (!error.isEmpty())
            return QStringLiteral("%1, line %2: %3").arg(path).arg(i + 1).arg(error);
    }
    if (depth == 0 && rules_.empty())
        return QStringLiteral("%1 has no rules").arg(path);
    return {};
}

QString CategoryMapping::AddRule(const QStringList& words) {
    Rule::Shape shape = Rule::AsIs;
    if (words.size() == 6 && words[5] == u"line")
        shape = Rule::Outline;
    else if (words.size() == 6 && words[5] == u"rings")
        shape = Rule::Rings;
    else if (words.size() != 5)
        return QStringLiteral("expected \"rule LAYER FIELD VALUE CATEGORY [line|rings]\"");
    bool ok = false;
    const int category = words[4].toInt(&ok);
    if (!ok || !library_.Find(category))
        return QStringLiteral("map category %1 is not listed by a \"minor\" line above").arg(words[4]);
    rules_.push_back({words[1], words[2], words[3], category, shape});
    return {};
}

bool CategoryMapping::UsesLayer(const QString& layer) const {
    for (const Rule& r : rules_)
        if (r.layer == u"*" || r.layer == layer)
            return true;
    return false;
}

const CategoryMapping::Names* CategoryMapping::NamesOf(const QString& layer) const {
    const auto it = names_.find(layer);
    return it == names_.end() ? nullptr : &it->second;
}
