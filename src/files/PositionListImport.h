#pragma once

#include <QString>

#include <optional>

namespace gpsdata {
class GPSData;
class RouteObject;
} // namespace gpsdata

namespace ui {
class Prompt;
}

namespace files {

struct PositionLine;

// Imports a position list as waypoints or as one new route. Waypoints already
// in the data set at the same place (and with the same name, when the line
// gives one) are used instead of new ones, so an exported list imports again
// without duplicates. Every problem is a message through the prompt and ends
// the import; what was imported before stays.
class PositionListImport {
public:
    enum class Result { Imported, FileNotFound, Stopped };

    PositionListImport(gpsdata::GPSData& data, ui::Prompt& prompt) : m_data(data), m_prompt(prompt) {}

    // "Route" or "Waypoint List": the kind named in titles.
    static QString KindName(bool route) { return route ? "Route" : "Waypoint List"; }
    // The title of the file dialog that asks for the list.
    static QString DialogTitle(bool route) { return "Import " + KindName(route); }
    static QString DialogFilter() { return "All Files (*.*)|*.*|Text Files (*.TXT)|*.TXT"; }

    // FileNotFound (after its message) asks the caller to ask for a name again.
    Result Import(const QString& fileName, bool route);

private:
    bool ImportLine(const PositionLine& line, int number, bool route, gpsdata::RouteObject* target);
    // The waypoint for the line; none (after its message) when no slot is free.
    std::optional<qint16> FindOrAdd(const PositionLine& line, bool route);
    void Stop(const QString& title, const QString& text);

    gpsdata::GPSData& m_data;
    ui::Prompt& m_prompt;
};

} // namespace files
