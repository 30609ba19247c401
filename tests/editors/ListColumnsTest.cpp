#include "EditorFixture.h"

#include "editors/ListView.h"
#include "editors/ListWindow.h"
#include "editors/ListWindows.h"

#include <QApplication>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>

#include <cmath>

namespace {

// A data set as a full unit holds it, in degrees, minutes and seconds (the
// widest position texts), with long names.
class ListColumns : public EditorFixture {
protected:
    ListColumns() {
        data.SetPositionFormat(4);
        for (qint16 i = 0; i < 999; ++i)
            Waypoint(i, QString("WESTWOOD%1").arg(i, 3, 10, QLatin1Char('0')),
                     -44.5 - (i / 40) * 0.1 + std::sin(i) * 0.02, -170.5 + (i % 40) * 0.1);
        QList<qint16> legs;
        for (qint16 i = 0; i < 30; ++i)
            legs << static_cast<qint16>(i * 33);
        data.AddRoute(0, "LAKE SHORE TOUR", legs);
        for (qint16 i = 0; i < 20; ++i)
            data.AddFileIcon(i, i, -45.25 + i, -122.5 - i);
        data.AddTrail(0, "SATURDAY WALK", geo::LongitudeToX(-170.123), geo::LatitudeToY(-44.876), {0, 100},
                      {0, 100});
        area.resize(1280, 900);
        area.show();
    }

    // Whether every column of the window, opened at its own size, shows its
    // texts and caption whole with no sideways scrolling.
    static testing::AssertionResult ShowsEveryColumnWhole(editors::ListWindow& window) {
        QApplication::processEvents();
        editors::ListView& list = *window.List();
        const QAbstractItemView& view = list;
        int total = 0;
        for (int column = 0; column < list.columnCount(); ++column) {
            const int wanted =
                std::max(view.sizeHintForColumn(column), list.header()->sectionSizeHint(column));
            if (list.columnWidth(column) < wanted)
                return testing::AssertionFailure()
                       << window.windowTitle().toStdString() << " column " << column << " is "
                       << list.columnWidth(column) << " of " << wanted;
            total += wanted;
        }
        if (total > list.viewport()->width() || list.horizontalScrollBar()->maximum() > 0)
            return testing::AssertionFailure()
                   << window.windowTitle().toStdString() << " needs " << total << " pixels and shows "
                   << list.viewport()->width() << " header " << list.header()->length() << " max "
                   << list.horizontalScrollBar()->maximum();
        return testing::AssertionSuccess();
    }

    QMdiArea area;
    editors::ListWindows lists{area, context};
};

TEST_F(ListColumns, EveryListShowsItsColumnsWholeAtItsOpeningSize) {
    using editors::ListKind;
    for (const ListKind kind : {ListKind::Waypoints, ListKind::Routes, ListKind::Icons, ListKind::Trails})
        EXPECT_TRUE(ShowsEveryColumnWhole(*lists.Open(kind)));
}

TEST_F(ListColumns, AColumnWidensWhenARowsTextGrows) {
    editors::ListWindow& window = *lists.Open(editors::ListKind::Waypoints);
    const int before = window.List()->columnWidth(0);
    data.Waypoint(500)->SetWptName("WWWWWWWWWWWWWWWWWWWW");
    EXPECT_GT(window.List()->columnWidth(0), before);
    const int widened = window.List()->columnWidth(0);
    data.DeleteWaypoint(998);
    data.AddWaypoint(998, 0, 0, 0, "WWWWWWWWWWWWWWWWWWWWWWWWW", 0, 45000, 0);
    EXPECT_GT(window.List()->columnWidth(0), widened);
}

} // namespace
