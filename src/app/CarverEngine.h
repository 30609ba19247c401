#pragma once

#include "carver/Carver.h"
#include "mapview/BorderEngine.h"

namespace app {

// The viewport's settings for the border engine go to the one Carver of the
// program.
class CarverEngine : public mapview::BorderEngine {
public:
    explicit CarverEngine(Carver& carver) : carver_(carver) {}

    void KSetRange(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                   std::int32_t width, std::int32_t height) override {
        carver_.KSetRange(left, top, right, bottom, width, height);
    }
    void KSetSelectWidth(std::int32_t width) override { carver_.KSetSelectWidth(width); }
    void KSetBlockSize(std::int32_t size) override { carver_.KSetBlockSize(size); }
    void KSetLayers(std::int32_t view, std::int32_t flags) override { carver_.KSetLayers(view, flags); }
    void KSetCorridorWidth(std::int32_t width) override { carver_.KSetCorridorWidth(width); }
    void KSetBlockAttributes(std::int32_t size, std::int32_t a, std::int32_t b, QRgb colour) override {
        carver_.KSetBlockAttributes(size, a, b, colour);
    }
    void KSetSelectAttributes(std::int32_t view, std::int32_t size, std::int32_t a, std::int32_t b,
                              QRgb colour) override {
        carver_.KSetSelectAttributes(view, size, a, b, colour);
    }
    void KSetCorridorAttributes(std::int32_t view, std::int32_t size, std::int32_t a, std::int32_t b,
                                QRgb colour) override {
        carver_.KSetCorridorAttributes(view, size, a, b, colour);
    }
    void KSetNodeAttributes(std::int32_t view, std::int32_t size, std::int32_t a, std::int32_t b,
                            QRgb colour) override {
        carver_.KSetNodeAttributes(view, size, a, b, colour);
    }
    void KSetConnectionAttributes(std::int32_t view, std::int32_t size, std::int32_t a, std::int32_t b,
                                  QRgb colour) override {
        carver_.KSetConnectionAttributes(view, size, a, b, colour);
    }

private:
    Carver& carver_;
};

} // namespace app
