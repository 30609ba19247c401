#pragma once

#include <QByteArrayView>
#include <QDateTime>

#include <string>

namespace files {

// ISO 8601 times as GPX files carry them. The common form, a UTC time to the
// second ("2026-12-07T14:05:09Z", optionally with a fraction), is written and
// read by hand: Qt's general converters cost more than the rest of a track
// point together. Anything else goes through Qt.
class IsoTime {
public:
    // Appends the moment in UTC to the second, as Qt::ISODate writes it.
    static void AppendUtc(std::string& out, const QDateTime& time);
    // An invalid time when the text is no ISO 8601 date and time.
    static QDateTime Parse(QByteArrayView text);
};

} // namespace files
