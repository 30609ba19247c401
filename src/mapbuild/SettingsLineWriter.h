#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace mapbuild {

// Builds workspace and settings lines, each ending in CR LF. A key is written
// with one blank after it unless told otherwise; numbers carry one leading
// blank when not negative and one trailing blank, so "BaudRate" and 9600 give
// "BaudRate  9600 ".
class SettingsLineWriter {
public:
    enum class Blank { Own, None };

    void Text(const QString& key, const QString& text);
    void Flag(const QString& key, bool value);
    void Integer(const QString& key, qint64 value, Blank blank = Blank::Own);
    void Single(const QString& key, float value, Blank blank = Blank::Own);
    void Double(const QString& key, double value);
    // Several numbers after one key.
    void Integers(const QString& key, const QList<qint64>& values);
    // The key and each field in print zones: every field starts at the next
    // column that is one more than a multiple of 14.
    void Zoned(const QString& key, const QStringList& fields);

    static QString NumberText(qint64 value);
    static QString NumberText(float value);
    static QString NumberText(double value);
    static QString FlagText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

    const QByteArray& Bytes() const { return bytes_; }

private:
    void Line(const QString& text);

    QByteArray bytes_;
};

} // namespace mapbuild
