#include "mapview/CarverBorderEngine.h"

#include "carver/Carver.h"

namespace mapview {

namespace {

// The engine takes colours as 24-bit red, green and blue.
unsigned Rgb(QRgb colour) {
    return colour & 0xFFFFFFu;
}

} // namespace

void CarverBorderEngine::KSetRange(std::int32_t left, std::int32_t top, std::int32_t right,
                                   std::int32_t bottom, std::int32_t width, std::int32_t height) {
    carver_.KSetRange(left, top, right, bottom, width, height);
}

void CarverBorderEngine::KSetSelectWidth(std::int32_t width) {
    carver_.KSetSelectWidth(width);
}

void CarverBorderEngine::KSetBlockSize(std::int32_t size) {
    carver_.KSetBlockSize(size);
}

void CarverBorderEngine::KSetLayers(std::int32_t view, std::int32_t flags) {
    carver_.KSetLayers(view, flags);
}

void CarverBorderEngine::KSetCorridorWidth(std::int32_t width) {
    carver_.KSetCorridorWidth(width);
}

void CarverBorderEngine::KSetBlockAttributes(std::int32_t size, std::int32_t a, std::int32_t b, QRgb colour) {
    carver_.KSetBlockAttributes(size, a, b, Rgb(colour));
}

void CarverBorderEngine::KSetSelectAttributes(std::int32_t view, std::int32_t size, std::int32_t a,
                                              std::int32_t b, QRgb colour) {
    carver_.KSetSelectAttributes(view, size, a, b, Rgb(colour));
}

void CarverBorderEngine::KSetCorridorAttributes(std::int32_t view, std::int32_t size, std::int32_t a,
                                                std::int32_t b, QRgb colour) {
    carver_.KSetCorridorAttributes(view, size, a, b, Rgb(colour));
}

void CarverBorderEngine::KSetNodeAttributes(std::int32_t view, std::int32_t size, std::int32_t a,
                                            std::int32_t b, QRgb colour) {
    carver_.KSetNodeAttributes(view, size, a, b, Rgb(colour));
}

void CarverBorderEngine::KSetConnectionAttributes(std::int32_t view, std::int32_t size, std::int32_t a,
                                                  std::int32_t b, QRgb colour) {
    carver_.KSetConnectionAttributes(view, size, a, b, Rgb(colour));
}

} // namespace mapview
