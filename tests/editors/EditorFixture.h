#pragma once

#include "carver/Carver.h"
#include "editors/EditorContext.h"
#include "gpsdata/GPSData.h"
#include "mapview/CarverBorderEngine.h"
#include "mapview/UndoStack.h"
#include "mapview/WindowObject.h"
#include "support/QStringPrinter.h"
#include "support/RecordingPrompt.h"

#include "geo/Coordinates.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QList>
#include <QTreeWidget>

#include <gtest/gtest.h>

// What one running program gives its windows; messages are recorded, editor openings noted.
struct EditorSet {
    EditorSet() {
        data.SetPrompt(&prompt);
        context.openWaypoint = [this](qint16 i) { opened << QString("Wpt %1").arg(i); };
        context.openRoute = [this](qint16 i) { opened << QString("Rte %1").arg(i); };
        context.openIcon = [this](qint16 i) { opened << QString("Icn %1").arg(i); };
    }

    // A kept waypoint (type 0) or a route-only one at the given degrees.
    gpsdata::WaypointObject* Waypoint(qint16 index, const QString& name, double lat, double lon,
                                      qint32 type = 0) {
        return data.AddWaypoint(index, geo::LongitudeToX(lon), geo::LatitudeToY(lat), 0, name, index % 20,
                                45000.5 + index, type);
    }

    // The row keys of a list, top to bottom.
    static QStringList Keys(const QTreeWidget& list) {
        QStringList keys;
        for (int i = 0; i < list.topLevelItemCount(); ++i)
            keys << list.topLevelItem(i)->data(0, Qt::UserRole).toString();
        return keys;
    }
    // Drops the payload at a point as the windowing system would; true when the list took it.
    static bool SendDrop(QWidget& viewport, QPoint at, const QMimeData& payload, Qt::DropAction action) {
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &payload, Qt::LeftButton, {});
        enter.setDropAction(action);
        QCoreApplication::sendEvent(&viewport, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &payload, Qt::LeftButton, {});
        drop.setDropAction(action);
        QCoreApplication::sendEvent(&viewport, &drop);
        return drop.isAccepted();
    }
    // One column's texts, top to bottom.
    static QStringList Column(const QTreeWidget& list, int column) {
        QStringList texts;
        for (int i = 0; i < list.topLevelItemCount(); ++i)
            texts << list.topLevelItem(i)->text(column);
        return texts;
    }

    Carver carver;
    mapview::CarverBorderEngine engine{carver};
    mapview::WindowObject window{engine};
    gpsdata::GPSData data;
    mapview::UndoStack undo{data};
    testing_support::RecordingPrompt prompt;
    editors::EditorContext context{data, undo, window, prompt};
    QStringList opened;
};

class EditorFixture : public testing::Test, public EditorSet {};
