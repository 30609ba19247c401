#pragma once

#include "print/PrintOptions.h"
#include "print/TableSection.h"

class QPagedPaintDevice;

namespace gpsdata {
class GPSData;
}
namespace ui {
class Progress;
}

namespace print {

class MapPage;
class PageWriter;

// What one print sent: the pages of the whole layout, the sheets sent to the
// device, and whether the user stopped it.
struct PrintResult {
    int pages = 0;
    int sheets = 0;
    bool cancelled = false;
};

// One print of the dialog's choice onto any paged device (a printer, a PDF
// file): the same layout whichever device takes it.
class PrintJob {
public:
    PrintJob(const gpsdata::GPSData& data, const PrintOptions& options) : data_(data), options_(options) {}

    // The map printed for the map choice, under the workspace's map name.
    void SetMap(const MapPage* map, const QString& mapName) {
        map_ = map;
        mapName_ = mapName;
    }

    // The pages the whole layout takes, counted without drawing.
    int PageCount() const;
    // Draws the pages of the range; `progress` shows the page and may cancel.
    PrintResult Print(QPagedPaintDevice& device, ui::Progress* progress = nullptr) const;

private:
    QList<TableSection> Sections() const;
    void Lay(PageWriter& writer) const;

    const gpsdata::GPSData& data_;
    PrintOptions options_;
    const MapPage* map_ = nullptr;
    QString mapName_;
};

} // namespace print
