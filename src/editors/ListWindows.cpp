#include "editors/ListWindows.h"

#include "editors/ListView.h"
#include "editors/frmEditIcons.h"
#include "editors/frmEditRoutes.h"
#include "editors/frmEditTrails.h"
#include "editors/frmEditWaypoints.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace editors {

namespace {
ListWindow* Make(ListKind kind, EditorContext& context) {
    switch (kind) {
    case ListKind::Waypoints:
        return new frmEditWaypoints(context);
    case ListKind::Routes:
        return new frmEditRoutes(context);
    case ListKind::Icons:
        return new frmEditIcons(context);
    case ListKind::Trails:
        return new frmEditTrails(context);
    }
    return nullptr;
}

const char* KindName(ListKind kind) {
    static const char* const names[] = {"waypoint", "route", "icon", "trail"};
    return names[static_cast<int>(kind)];
}
} // namespace

ListWindows::ListWindows(QMdiArea& area, EditorContext& context, QObject* parent)
    : QObject(parent), area_(area), context_(context) {}

ListWindow* ListWindows::Open(ListKind kind, const QRect& geometry) {
    ListWindow* list = Make(kind, context_);
    QMdiSubWindow* child = area_.addSubWindow(list);
    child->setAttribute(Qt::WA_DeleteOnClose);
    child->setProperty("listKind", QLatin1String(KindName(kind)));
    child->setWindowIcon(area_.window()->windowIcon());
    if (geometry.isValid())
        child->setGeometry(geometry);
    else
        child->resize(child->sizeHint().expandedTo(QSize(360, 240)));
    connect(child, &QObject::destroyed, this, &ListWindows::WindowsChanged);
    child->show();
    area_.setActiveSubWindow(child);
    list->List()->setFocus();
    emit WindowsChanged();
    return list;
}

QList<QMdiSubWindow*> ListWindows::Windows(ListKind kind) const {
    QList<QMdiSubWindow*> found;
    for (QMdiSubWindow* child : area_.subWindowList(QMdiArea::CreationOrder))
        if (child->property("listKind").toString() == QLatin1String(KindName(kind)))
            found << child;
    return found;
}

} // namespace editors
