#include "PositionCommand.h"

#include "CliArguments.h"

#include "geo/Coordinates.h"
#include "geo/NumericError.h"
#include "geo/PositionEntry.h"
#include "geo/PositionFormat.h"
#include "geo/PositionParse.h"
#include "geo/PositionText.h"
#include "geo/PositionValidation.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <limits>

namespace cli {

namespace {

// The formats a position is shown in; format 1 shows as format 4.
constexpr std::int32_t TextFormats[] = {2, 3, 4, 5};

QString Degrees(double value) {
    return QString::number(value, 'g', 17);
}

double ParseDegrees(const QString& text, const char* option) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok)
        throw UsageError(std::string(option) + " needs a number of degrees, not '" + text.toStdString() +
                         "'");
    return value;
}

std::int32_t ParseInternal(const QString& text, const char* option) {
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok)
        throw UsageError(std::string(option) + " needs a whole number, not '" + text.toStdString() + "'");
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        throw geo::NumericError(std::string(option) + " " + text.toStdString() +
                                " is outside the 32-bit range of internal positions");
    return static_cast<std::int32_t>(value);
}

std::int32_t ParseFormat(const QString& text) {
    bool ok = false;
    const int format = text.toInt(&ok);
    if (!ok || format < geo::PositionFormatNone || format > geo::PositionFormatMercatorMeter)
        throw UsageError("--format needs a position format from 1 to 5, not '" + text.toStdString() + "'");
    return format;
}

void WriteJson(QTextStream& out, const QJsonObject& object) {
    out << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) << '\n';
}

// Everything about one internal position: read back, shown and entered in each format.
void WritePosition(std::int32_t x, std::int32_t y, bool json, QTextStream& out) {
    const double latitude = geo::YToLatitude(y);
    const double longitude = geo::XToLongitude(x);
    QJsonObject texts;
    QJsonObject entries;
    QString lines;
    for (const std::int32_t format : TextFormats) {
        const QString key = QString::number(format);
        const QString latitudeText = geo::FormatLatitude(y, format);
        const QString longitudeText = geo::FormatLongitude(x, format);
        const geo::PositionEntry entry = geo::MakePositionEntry(x, y, format);
        texts.insert(key, QJsonArray{latitudeText, longitudeText});
        entries.insert(key,
                       QJsonArray{entry.latitudeText, entry.longitudeText, entry.northSouth, entry.eastWest});
        const QString caption = geo::PositionFormatCaption(format);
        lines += QStringLiteral("text %1 (%2): %3  %4\n").arg(key, caption, latitudeText, longitudeText);
        lines +=
            QStringLiteral("entry %1 (%2): %3 %4  %5 %6\n")
                .arg(key, caption, entry.latitudeText, entry.northSouth, entry.longitudeText, entry.eastWest);
    }
    if (json) {
        WriteJson(out, {{"x", x},
                        {"y", y},
                        {"latitude", latitude},
                        {"longitude", longitude},
                        {"text", texts},
                        {"entry", entries}});
        return;
    }
    out << "x: " << x << '\n'
        << "y: " << y << '\n'
        << "latitude: " << Degrees(latitude) << '\n'
        << "longitude: " << Degrees(longitude) << '\n'
        << lines;
}

// Checks and reads entry texts as the editing windows do before storing a position.
int WriteEntry(const CliArguments& arguments, bool json, QTextStream& out) {
    const std::int32_t format = geo::TextPositionFormat(ParseFormat(arguments.Value("--format")));
    const QStringList texts = arguments.Values("--entry");
    const QString message = geo::ValidatePosition(format, texts[0], texts[1]);
    QJsonObject result{{"valid", message.isEmpty()}, {"message", message}};
    if (message.isEmpty()) {
        const double latitude = geo::ParseLatitude(texts[0], !arguments.Has("--south"), format);
        const double longitude = geo::ParseLongitude(texts[1], !arguments.Has("--west"), format);
        result.insert("latitude", latitude);
        result.insert("longitude", longitude);
        result.insert("x", geo::LongitudeToX(longitude));
        result.insert("y", geo::LatitudeToY(latitude));
    }
    if (json) {
        WriteJson(out, result);
        return ExitOk;
    }
    out << "valid: " << (message.isEmpty() ? "true" : "false") << '\n' << "message: " << message << '\n';
    if (message.isEmpty()) {
        out << "latitude: " << Degrees(result["latitude"].toDouble()) << '\n'
            << "longitude: " << Degrees(result["longitude"].toDouble()) << '\n'
            << "x: " << result["x"].toInteger() << '\n'
            << "y: " << result["y"].toInteger() << '\n';
    }
    return ExitOk;
}

} // namespace

int RunPosition(const QStringList& list, QTextStream& out, QTextStream& err) {
    const CliArguments arguments(list, {{"--lat", 1},
                                        {"--lon", 1},
                                        {"--x", 1},
                                        {"--y", 1},
                                        {"--format", 1},
                                        {"--entry", 2},
                                        {"--south", 0},
                                        {"--west", 0},
                                        {"--json", 0}});
    const bool json = arguments.Has("--json");
    try {
        if (arguments.HasExactly({"--lat", "--lon"}, {"--json"})) {
            const double latitude = ParseDegrees(arguments.Value("--lat"), "--lat");
            const double longitude = ParseDegrees(arguments.Value("--lon"), "--lon");
            WritePosition(geo::LongitudeToX(longitude), geo::LatitudeToY(latitude), json, out);
            return ExitOk;
        }
        if (arguments.HasExactly({"--x", "--y"}, {"--json"})) {
            WritePosition(ParseInternal(arguments.Value("--x"), "--x"),
                          ParseInternal(arguments.Value("--y"), "--y"), json, out);
            return ExitOk;
        }
        if (arguments.HasExactly({"--format", "--entry"}, {"--south", "--west", "--json"}))
            return WriteEntry(arguments, json, out);
    } catch (const geo::NumericError& error) {
        err << "terrafold-cli position: the position is outside the range of the coordinate conversions ("
            << error.what() << ")\n";
        return ExitFailure;
    }
    throw UsageError("give --lat and --lon, or --x and --y, or --format and --entry");
}

} // namespace cli
