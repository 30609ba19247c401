#pragma once

#include "editors/EditorContext.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class QMdiArea;

namespace editors {

class frmEditIcon;
class frmEditRoute;
class frmEditWaypoint;

// Opens the item editors, one per object: a second request for an object
// brings its open editor forward. Editors open as child windows of the main
// window's area (or on their own without one). Becomes the context's opener
// of waypoint, icon and route editors, and its symbol chooser: the symbol
// selector, modal over the editor that asked.
class EditorWindows : public QObject {
    Q_OBJECT
public:
    EditorWindows(EditorContext& context, QMdiArea* area, QObject* parent = nullptr);

    // The editor of the object; none, and nothing shown, when there is no such object.
    frmEditWaypoint* EditWaypoint(qint16 index);
    frmEditIcon* EditIcon(qint16 index);
    frmEditRoute* EditRoute(qint16 index);

    // The open editor under its key ("Wpt 3", "Icn 3", "Rte 3"), if any.
    QWidget* OpenEditor(const QString& key) const { return open_.value(key); }

private:
    template <class Editor> Editor* Open(const QString& key, bool exists);
    void Show(const QString& key, QWidget* editor);

    EditorContext& context_;
    QMdiArea* area_;
    QHash<QString, QPointer<QWidget>> open_;
};

} // namespace editors
