#pragma once

#include "mapview/BorderEngine.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>

// Keeps every call the viewport makes, as text, so that tests can check the
// calls and their order.
class RecordingBorderEngine : public mapview::BorderEngine {
public:
    QStringList Calls;

    void KSetRange(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                   std::int32_t width, std::int32_t height) override {
        Record("KSetRange", {left, top, right, bottom, width, height});
    }
    void KSetSelectWidth(std::int32_t width) override { Record("KSetSelectWidth", {width}); }
    void KSetBlockSize(std::int32_t size) override { Record("KSetBlockSize", {size}); }
    void KSetLayers(std::int32_t view, std::int32_t flags) override { Record("KSetLayers", {view, flags}); }
    void KSetCorridorWidth(std::int32_t width) override { Record("KSetCorridorWidth", {width}); }
    void KSetBlockAttributes(std::int32_t size, std::int32_t a, std::int32_t b, QRgb colour) override {
        Record("KSetBlockAttributes", {size, a, b, std::int32_t(colour)});
    }
    void KSetSelectAttributes(std::int32_t view, std::int32_t size, std::int32_t a, std::int32_t b,
                              QRgb colour) override {
        Record("KSetSelectAttributes", {view, size, a, b, std::int32_t(colour)});
    }
    void KSetCorridorAttributes(std::int32_t view, std::int32_t size, std::int32_t a, std::int32_t b,
                                QRgb colour) override {
        Record("KSetCorridorAttributes", {view, size, a, b, std::int32_t(colour)});
    }
    void KSetNodeAttributes(std::int32_t view, std::int32_t size, std::int32_t a, std::int32_t b,
                            QRgb colour) override {
        Record("KSetNodeAttributes", {view, size, a, b, std::int32_t(colour)});
    }
    void KSetConnectionAttributes(std::int32_t view, std::int32_t size, std::int32_t a, std::int32_t b,
                                  QRgb colour) override {
        Record("KSetConnectionAttributes", {view, size, a, b, std::int32_t(colour)});
    }

    // The calls whose text starts with the given name.
    QStringList Named(const QString& name) const {
        return Calls.filter(QRegularExpression("^" + name + "\\("));
    }

private:
    void Record(const QString& name, std::initializer_list<std::int32_t> args) {
        QStringList parts;
        for (std::int32_t arg : args)
            parts << QString::number(arg);
        Calls << name + "(" + parts.join(", ") + ")";
    }
};
