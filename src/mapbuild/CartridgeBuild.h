#pragma once

#include <QString>

namespace mapbuild {

class MapCategorySource;

// The pieces the map definition needs around the engine's estimate and build.
namespace CartridgeBuild {

// The system's temporary folder; the program's folder when the system gives
// none or one too long for the engine's texts.
QString TemporaryFolder();

// Per selected major category its code, then "," and the code of each
// selected minor category under it, then ";". Empty when nothing is
// selected or there is no master map.
QString LayerSelection(const MapCategorySource* categories);

// Deletes the file when it exists and creates it empty, so the engine finds
// a writable place; false when that fails.
bool MakeFresh(const QString& path);

// The 32-bit little-endian size at the start of an estimate's output; 0 when
// the file is missing or too short.
qint32 ReadEstimate(const QString& path);

// Copies `source` to `target`, which is replaced only once the copy is
// complete, so a failed save keeps the file that was there. Returns the
// reason of a failure, empty on success.
QString CopyInto(const QString& source, const QString& target);

} // namespace CartridgeBuild

} // namespace mapbuild
