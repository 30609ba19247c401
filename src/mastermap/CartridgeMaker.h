#pragma once

#include "mastermap/Border.h"
#include "mastermap/MapCutter.h"

#include <QString>

namespace mastermap {

// Builds or estimates a custom map from the engine's four texts (output file,
// build list, definition library, layer selection) and its borders, corridor
// width and block size. An estimate writes the map's exact size in bytes as
// a 32-bit little-endian integer at the start of the output file.
class CartridgeMaker {
public:
    struct Request {
        QString output;
        QString buildList;
        QString library;
        QString layers;
        std::vector<Border> borders;
        std::int32_t corridorWidth = 1000;
        std::int32_t blockSize = 24000;
        QString headerText;
    };
    struct Result {
        int status = 0; // 1 built or estimated, 0 failed
        QString error;
        std::uint64_t size = 0; // bytes of the map (built or estimated)
        bool estimate = false;
    };

    // Why nothing is built when the borders cover no feature of the layers on.
    static const QString NoMapData;

    static Result Make(const Request& request, const MapCutter::Progress& progress = {});
};

} // namespace mastermap
