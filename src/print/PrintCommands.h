#pragma once

#include "print/MapLayers.h"
#include "print/frmPrintOptions.h"

#include <QObject>
#include <QPrinter>

#include <functional>

class QWidget;

namespace print {

// The main window's print commands: the print dialog and the direct map
// print with its scale line. One printer is kept for the program's life, so
// the user's choice of printer or PDF file carries from one print to the next.
class PrintCommands : public QObject {
    Q_OBJECT
public:
    using NameSource = std::function<QString()>;

    // `mapName` and `dataFileName` give the workspace's map name and the GPS
    // data file's name, empty when there is none.
    PrintCommands(QWidget& window, const gpsdata::GPSData& data, mapview::WindowObject& view,
                  MapLayers layers, NameSource mapName, NameSource dataFileName, QObject* parent = nullptr);

    // Tests choose the printer themselves; Qt's print dialog does otherwise.
    void SetPrinterChooser(frmPrintOptions::PrinterChooser chooser) { chooser_ = std::move(chooser); }
    QPrinter& Printer() { return printer_; }

    // Opens the print dialog (not modal); it is deleted when it closes.
    frmPrintOptions* ShowPrintOptions();
    // Asks where to print, then prints the map view with its scale.
    void PrintMap();

private:
    QWidget& window_;
    const gpsdata::GPSData& data_;
    mapview::WindowObject& view_;
    MapLayers layers_;
    NameSource mapName_;
    NameSource dataFileName_;
    frmPrintOptions::PrinterChooser chooser_;
    QPrinter printer_{QPrinter::HighResolution};
};

} // namespace print
