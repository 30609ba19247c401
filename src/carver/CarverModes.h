#pragma once

// Point modes of KSetMode. A mode applies to every point sent after it; the
// gestures that send them are described in docs/borders.md.
inline constexpr int KEL_MODE_START_POLYLINE = 1;
inline constexpr int KEL_MODE_SAVE_POLYLINE_POINT = 2;
inline constexpr int KEL_MODE_LAST_POINT = 5;
inline constexpr int KEL_MODE_START_BORDER = 11;

// Layer flags of KSetLayers: which parts of the borders a view draws.
inline constexpr int KEL_LAYER_SKETCH = 1;    // borders, nodes, corridors and the rubber band
inline constexpr int KEL_LAYER_OUTLINE = 4;   // borders and corridors only
inline constexpr int KEL_LAYER_BLOCKS = 8;    // the blocks the borders cover
inline constexpr int KEL_LAYER_HOTSPOTS = 16; // the picking zone of every border point
