#include "geoline/PolylineClip.h"

#include <gtest/gtest.h>

namespace {

TEST(PolylineClip, PiecesInsideTheDisplayAreKeptAndCutAtItsEdges) {
    struct Case {
        QPolygonF line;
        QList<QPolygonF> pieces;
    };
    const QPolygonF inside{{10, 10}, {50, 50}, {90, 10}};
    const Case cases[] = {
        {inside, {inside}},
        {{{-1e9, 50}, {1e9, 50}}, {{{0, 50}, {100, 50}}}},
        {{{50, 50}, {50, 200}, {60, 200}, {60, 50}}, {{{50, 50}, {50, 100}}, {{60, 100}, {60, 50}}}},
        {{{200, 200}, {300, 250}, {400, 200}}, {}},
        {{{50, 50}}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(geoline::ClipPolyline(c.line, QRectF(0, 0, 100, 100)), c.pieces);
    }
}

} // namespace
