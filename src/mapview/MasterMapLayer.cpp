#include "mapview/MasterMapLayer.h"

#include "mapview/WindowObject.h"
#include "mastermap/MasterMapPainter.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryFile>
#include <QTextStream>

namespace mapview {

bool MasterMapLayer::Open(const QString& resFolder) {
    const QDir res(resFolder);
    if (!control_.ReadLibrary(res.filePath(QStringLiteral("MasterDefinitionLibrary.dat"))).isEmpty())
        return false;
    // The used-map list names the low-detail files that are present.
    QTemporaryFile used;
    if (!used.open())
        return false;
    QTextStream out(&used);
    for (const QString& name :
         mastermap::MasterSet::ReadPathList(res.filePath(QStringLiteral("MasterList.txt")))) {
        const QFileInfo file(res.filePath(name.trimmed()));
        if (file.isFile() && file.size() > 0 && !mastermap::MasterSet::IsHighDetailName(file.fileName()))
            out << file.absoluteFilePath() << '\n';
    }
    out.flush();
    control_.SetUsedList(used.fileName());
    return true;
}

void MasterMapLayer::Draw(QPainter& painter, const WindowObject& view) const {
    if (view.MapPicture.ScaleWidth == 0 || view.MapPicture.ScaleHeight == 0)
        return;
    mastermap::CategoryStyles styles;
    for (int i = 0; i < mastermap::CategoryCount; ++i) {
        const CategoryAttributes& a = view.CategoryToColors(i);
        styles[i] = {a.LineColor, a.LineStyle, a.LinePattern, a.AreaColor, a.AreaStyle};
    }
    const mastermap::Rect rect{view.ClipLeft, view.ClipBottom, view.ClipRight, view.ClipTop};
    mastermap::MasterMapPainter(control_.Files(), styles)
        .Draw(painter, rect, view.MapPicture.UserTransform(), control_.SelectedCategories());
}

} // namespace mapview
