#pragma once

#include <QRgb>

#include <cstdint>

namespace mapview {

// What the viewport tells the border engine about the view: its range on the
// display, the pick width, the block size, the layers and the drawing attributes.
class BorderEngine {
public:
    virtual ~BorderEngine() = default;
    virtual void KSetRange(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                           std::int32_t width, std::int32_t height) = 0;
    virtual void KSetSelectWidth(std::int32_t width) = 0;
    virtual void KSetBlockSize(std::int32_t size) = 0;
    virtual void KSetLayers(std::int32_t view, std::int32_t flags) = 0;
    virtual void KSetCorridorWidth(std::int32_t width) = 0;
    virtual void KSetBlockAttributes(std::int32_t size, std::int32_t a, std::int32_t b, QRgb colour) = 0;
    virtual void KSetSelectAttributes(std::int32_t view, std::int32_t size, std::int32_t a, std::int32_t b,
                                      QRgb colour) = 0;
    virtual void KSetCorridorAttributes(std::int32_t view, std::int32_t size, std::int32_t a, std::int32_t b,
                                        QRgb colour) = 0;
    virtual void KSetNodeAttributes(std::int32_t view, std::int32_t size, std::int32_t a, std::int32_t b,
                                    QRgb colour) = 0;
    virtual void KSetConnectionAttributes(std::int32_t view, std::int32_t size, std::int32_t a,
                                          std::int32_t b, QRgb colour) = 0;
};

} // namespace mapview
