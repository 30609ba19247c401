#include "editors/EditorWindows.h"

#include "editors/frmEditIcon.h"
#include "editors/frmEditRoute.h"
#include "editors/frmEditWaypoint.h"
#include "editors/frmSymbolSelection.h"
#include "gpsdata/GPSData.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace editors {

EditorWindows::EditorWindows(EditorContext& context, QMdiArea* area, QObject* parent)
    : QObject(parent), context_(context), area_(area) {
    context_.openWaypoint = [this](qint16 index) { EditWaypoint(index); };
    context_.openIcon = [this](qint16 index) { EditIcon(index); };
    context_.openRoute = [this](qint16 index) { EditRoute(index); };
    context_.chooseSymbol = [this](int current, QWidget* owner) {
        return frmSymbolSelection::Choose(context_.data, context_.window, current, owner);
    };
    // An editor opens at its own size beside the map, even while the map
    // window fills the frame.
    if (area_)
        area_->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
}

template <class Editor> Editor* EditorWindows::Open(const QString& key, bool exists) {
    if (QWidget* open = open_.value(key)) {
        QWidget* frame = area_ ? open->parentWidget() : open;
        if (auto* sub = qobject_cast<QMdiSubWindow*>(frame))
            area_->setActiveSubWindow(sub);
        else
            frame->activateWindow();
        return qobject_cast<Editor*>(open);
    }
    if (!exists)
        return nullptr;
    auto* editor = new Editor(context_, static_cast<qint16>(key.mid(4).toInt()));
    Show(key, editor);
    return editor;
}

void EditorWindows::Show(const QString& key, QWidget* editor) {
    open_.insert(key, editor);
    if (!area_) {
        editor->show();
        return;
    }
    QMdiSubWindow* frame = area_->addSubWindow(
        editor, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->adjustSize();
    frame->show();
    area_->setActiveSubWindow(frame);
}

frmEditWaypoint* EditorWindows::EditWaypoint(qint16 index) {
    return Open<frmEditWaypoint>(QStringLiteral("Wpt %1").arg(index), context_.data.Waypoint(index));
}

frmEditIcon* EditorWindows::EditIcon(qint16 index) {
    return Open<frmEditIcon>(QStringLiteral("Icn %1").arg(index), context_.data.Icon(index));
}

frmEditRoute* EditorWindows::EditRoute(qint16 index) {
    return Open<frmEditRoute>(QStringLiteral("Rte %1").arg(index), context_.data.Route(index));
}

} // namespace editors
