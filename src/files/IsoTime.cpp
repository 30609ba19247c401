#include "files/IsoTime.h"

#include <QString>

#include <chrono>
#include <optional>

namespace files {
namespace {

using namespace std::chrono;

// The value of `count` digits from `at`, or -1 when one is not a digit.
int Digits(QByteArrayView text, qsizetype at, int count) {
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const char c = text[at + i];
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

void AppendDigits(std::string& out, int value, int count) {
    char digits[4];
    for (int i = count - 1; i >= 0; --i, value /= 10)
        digits[i] = char('0' + value % 10);
    out.append(digits, size_t(count));
}

// "YYYY-MM-DDThh:mm:ss[.fff…]Z", or nothing.
std::optional<qint64> UtcMilliseconds(QByteArrayView text) {
    if (text.size() < 20 || text.back() != 'Z' || text[4] != '-' || text[7] != '-' || text[10] != 'T' ||
        text[13] != ':' || text[16] != ':')
        return std::nullopt;
    const int year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2);
    const int hour = Digits(text, 11, 2), minute = Digits(text, 14, 2), second = Digits(text, 17, 2);
    if (year < 0 || month < 0 || day < 0 || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        second < 0 || second > 59)
        return std::nullopt;
    int millisecond = 0;
    if (text.size() > 20) {
        // A fraction of any length; Qt keeps milliseconds and rounds.
        if (text[19] != '.' || text.size() == 21)
            return std::nullopt;
        double fraction = 0, scale = 0.1;
        for (qsizetype i = 20; i + 1 < text.size(); ++i, scale /= 10) {
            if (text[i] < '0' || text[i] > '9')
                return std::nullopt;
            fraction += (text[i] - '0') * scale;
        }
        millisecond = int(fraction * 1000 + 0.5);
    } else if (text[19] != 'Z') {
        return std::nullopt;
    }
    const year_month_day date{std::chrono::year(year), std::chrono::month(unsigned(month)),
                              std::chrono::day(unsigned(day))};
    if (!date.ok())
        return std::nullopt;
    const auto moment = sys_days(date) + hours(hour) + minutes(minute) + seconds(second);
    return duration_cast<milliseconds>(moment.time_since_epoch()).count() + millisecond;
}

} // namespace

void IsoTime::AppendUtc(std::string& out, const QDateTime& time) {
    const sys_seconds moment{duration_cast<seconds>(milliseconds(time.toMSecsSinceEpoch()))};
    const sys_days day = floor<days>(moment);
    const year_month_day date(day);
    const int year = int(date.year());
    if (time.toMSecsSinceEpoch() < 0 || year > 9999) {
        out += time.toUTC().toString(Qt::ISODate).toStdString();
        return;
    }
    const hh_mm_ss clock(moment - day);
    AppendDigits(out, year, 4);
    out += '-';
    AppendDigits(out, int(unsigned(date.month())), 2);
    out += '-';
    AppendDigits(out, int(unsigned(date.day())), 2);
    out += 'T';
    AppendDigits(out, int(clock.hours().count()), 2);
    out += ':';
    AppendDigits(out, int(clock.minutes().count()), 2);
    out += ':';
    AppendDigits(out, int(clock.seconds().count()), 2);
    out += 'Z';
}

QDateTime IsoTime::Parse(QByteArrayView text) {
    if (const std::optional<qint64> ms = UtcMilliseconds(text))
        return QDateTime::fromMSecsSinceEpoch(*ms, Qt::UTC);
    return QDateTime::fromString(QString::fromUtf8(text), Qt::ISODateWithMs);
}

} // namespace files
