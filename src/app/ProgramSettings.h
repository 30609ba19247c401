#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace app {

// Left, top, width and height of an open list window, in twips.
struct ListWindowPlace {
    qint64 left = 0, top = 0, width = 0, height = 0;
    bool operator==(const ListWindowPlace&) const = default;
};

// Every value of the settings and workspace files beyond the map definition,
// with the built-in first-run defaults. The main window, viewport and
// connection take their values from here after a load and put them back
// before a save.
struct ProgramSettings {
    int formState = 0;
    float formHeight = 8400, formWidth = 12000, formTop = 600, formLeft = 600;
    int comPort = 1;
    bool autoSelectComPort = true;
    int lptPort = 1;
    int baudRate = 9600;
    // The serial device of each COM port and the card folder of each
    // parallel port; empty where none was chosen.
    QStringList comDevices = QStringList(4);
    QStringList lptFolders = QStringList(2);
    int positionFormat = 3;
    bool viewToolbar = true, viewStatusbar = true, viewMapLayers = true, viewFlashInformation = false;
    bool autoArrangeWindows = true;
    float mapSplit = 2500;
    int defaultSymbol = 0;
    QString clipboardDelimiter = QStringLiteral("\t");
    // The transfer window's checked options and up-down values, one of each
    // per line, as last used.
    QStringList transferOptions;
    QList<QPair<QString, qint64>> transferRanges;
    QString gpsDataPath, mapBorderDataPath;
    QList<ListWindowPlace> editRouteList, editWaypointList, editIconList, editTrailList;
    int informationTop = 0, informationLeft = 0;
    QString findWhat, findText;
    int mapFontSize = 10;
    bool mapFontBold = false, mapFontItalic = false;
    QString mapFontName = QStringLiteral("Courier New");
    double mapZoomChange = 10.0;
    int waypointListHeightPercent = 50, routeWidth = 4000, routeListHeightPercent = 50, iconWidth = 4000,
        editDialogSeperation = 60, iconListHeightPercent = 50;
    bool useHighDetailMaps = false;
    int mapLinesColor = 0, waypointNamesColor = 0, routeLinesColor = 13, trailLinesColor = 12;
    int midX = 0, midY = 0;
    double zoomRange = 1000.0;
    int corridorWidth = 1000;
    bool drawBlocks = false, drawHotspots = false, drawWaypoints = true, drawIcons = true, drawTrails = true,
         drawRoutes = true, showWaypointNames = true;
    // Read although never written.
    int backColor = 15, gridColor = 2, lastProductId = 0;
    QString editRoute, editWaypoint, editIcon;

    bool operator==(const ProgramSettings&) const = default;
};

} // namespace app
