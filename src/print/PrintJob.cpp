#include "print/PrintJob.h"

#include "print/MapPage.h"
#include "print/PageWriter.h"
#include "print/PrintTables.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace print {

QList<TableSection> PrintJob::Sections() const {
    switch (options_.what) {
    case PrintOptions::What::Waypoints:
        return PrintTables::Waypoints(data_, options_.items);
    case PrintOptions::What::Routes:
        return PrintTables::Routes(data_, options_.items);
    case PrintOptions::What::Icons:
        return PrintTables::Icons(data_, options_.items);
    case PrintOptions::What::Map:
        break;
    }
    return {};
}

void PrintJob::Lay(PageWriter& writer) const {
    if (options_.what == PrintOptions::What::Map) {
        if (map_)
            map_->Lay(writer, mapName_, options_.drawBorders, options_.expandMap);
        return;
    }
    const QList<TableSection> sections = Sections();
    for (qsizetype i = 0; i < sections.size(); ++i) {
        const TableSection& section = sections[i];
        if (i > 0)
            writer.Gap();
        writer.Section(section.title, section.captions, section.columns);
        for (const TableRow& row : section.rows)
            if (!writer.Row(row))
                return;
    }
}

int PrintJob::PageCount() const {
    PageWriter writer(PageRange{1, 0});
    Lay(writer);
    return writer.Page();
}

PrintResult PrintJob::Print(QPagedPaintDevice& device, ui::Progress* progress) const {
    const int pages = PageCount();
    QPainter painter(&device);
    PageWriter writer(options_.range, std::min(options_.range.last, pages), &device, &painter, progress);
    Lay(writer);
    painter.end();
    return {pages, writer.SheetsSent(), writer.Cancelled()};
}

} // namespace print
