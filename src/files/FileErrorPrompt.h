#pragma once

#include "gpsdata/Prompt.h"

namespace gpsdata {
class GPSData;
}

namespace files {

// A prompt that passes every message on as the data set's FileError, for
// imports that run as part of opening a file. Questions get Cancel.
class FileErrorPrompt : public ui::Prompt {
public:
    explicit FileErrorPrompt(gpsdata::GPSData& data) : m_data(data) {}
    ui::Answer Ask(const QString& title, const QString& text, ui::Buttons buttons, ui::Icon icon) override;

private:
    gpsdata::GPSData& m_data;
};

} // namespace files
