#pragma once

#include "mapview/BorderEngine.h"

class Carver;

namespace mapview {

// The viewport's settings passed on to the program's border engine.
class CarverBorderEngine : public BorderEngine {
public:
    explicit CarverBorderEngine(Carver& carver) : carver_(carver) {}

    void KSetRange(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                   std::int32_t width, std::int32_t height) override;
    void KSetSelectWidth(std::int32_t width) override;
    void KSetBlockSize(std::int32_t size) override;
    void KSetLayers(std::int32_t view, std::int32_t flags) override;
    void KSetCorridorWidth(std::int32_t width) override;
    void KSetBlockAttributes(std::int32_t size, std::int32_t a, std::int32_t b, QRgb colour) override;
    void KSetSelectAttributes(std::int32_t view, std::int32_t size, std::int32_t a, std::int32_t b,
                              QRgb colour) override;
    void KSetCorridorAttributes(std::int32_t view, std::int32_t size, std::int32_t a, std::int32_t b,
                                QRgb colour) override;
    void KSetNodeAttributes(std::int32_t view, std::int32_t size, std::int32_t a, std::int32_t b,
                            QRgb colour) override;
    void KSetConnectionAttributes(std::int32_t view, std::int32_t size, std::int32_t a, std::int32_t b,
                                  QRgb colour) override;

private:
    Carver& carver_;
};

} // namespace mapview
