#include "print/PrintCommands.h"

#include "print/MapPage.h"

namespace print {

PrintCommands::PrintCommands(QWidget& window, const gpsdata::GPSData& data, mapview::WindowObject& view,
                             MapLayers layers, NameSource mapName, NameSource dataFileName, QObject* parent)
    : QObject(parent), window_(window), data_(data), view_(view), layers_(std::move(layers)),
      mapName_(std::move(mapName)), dataFileName_(std::move(dataFileName)),
      chooser_(&frmPrintOptions::ChoosePrinter) {}

frmPrintOptions* PrintCommands::ShowPrintOptions() {
    auto* dialog =
        new frmPrintOptions(data_, MapPage(view_, layers_), mapName_(), dataFileName_(), printer_, &window_);
    dialog->SetPrinterChooser(chooser_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return dialog;
}

void PrintCommands::PrintMap() {
    if (chooser_(printer_, &window_))
        MapPage(view_, layers_).PrintWithScale(printer_);
}

} // namespace print
