#include "mapbuild/SettingsLineWriter.h"

#include <charconv>

namespace mapbuild {

namespace {

constexpr int ZoneWidth = 14;

template <typename T> QString Shortest(T value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    const QString digits = QString::fromLatin1(buffer, result.ptr - buffer);
    return (value < 0 ? QString() : QStringLiteral(" ")) + digits + u' ';
}

QString KeyText(const QString& key, SettingsLineWriter::Blank blank) {
    return blank == SettingsLineWriter::Blank::Own ? key + u' ' : key;
}

} // namespace

QString SettingsLineWriter::NumberText(qint64 value) {
    return Shortest(value);
}

QString SettingsLineWriter::NumberText(float value) {
    return Shortest(value);
}

QString SettingsLineWriter::NumberText(double value) {
    return Shortest(value);
}

void SettingsLineWriter::Line(const QString& text) {
    bytes_ += text.toUtf8();
    bytes_ += "\r\n";
}

void SettingsLineWriter::Text(const QString& key, const QString& text) {
    Line(key + u' ' + text);
}

void SettingsLineWriter::Flag(const QString& key, bool value) {
    Line(key + u' ' + FlagText(value));
}

void SettingsLineWriter::Integer(const QString& key, qint64 value, Blank blank) {
    Line(KeyText(key, blank) + NumberText(value));
}

void SettingsLineWriter::Single(const QString& key, float value, Blank blank) {
    Line(KeyText(key, blank) + NumberText(value));
}

void SettingsLineWriter::Double(const QString& key, double value) {
    Line(key + u' ' + NumberText(value));
}

void SettingsLineWriter::Integers(const QString& key, const QList<qint64>& values) {
    QString text = key + u' ';
    for (qint64 v : values)
        text += NumberText(v);
    Line(text);
}

void SettingsLineWriter::Zoned(const QString& key, const QStringList& fields) {
    QString text = key;
    for (const QString& field : fields) {
        const qsizetype column = text.size() + 1;
        const qsizetype start = ((column - 1 + ZoneWidth - 1) / ZoneWidth) * ZoneWidth + 1;
        text += QString(start - column, u' ');
        text += field;
    }
    Line(text);
}

} // namespace mapbuild
