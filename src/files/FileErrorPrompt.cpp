#include "files/FileErrorPrompt.h"

#include "gpsdata/GPSData.h"

namespace files {

ui::Answer FileErrorPrompt::Ask(const QString& title, const QString& text, ui::Buttons buttons,
                                ui::Icon icon) {
    emit m_data.FileError(text);
    return buttons == ui::Buttons::Ok ? ui::Answer::Ok : ui::Answer::Cancel;
}

} // namespace files
