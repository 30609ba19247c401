#include "mapview/MasterMapLayer.h"

#include "mapview/PinnedFonts.h"
#include "mapview/WindowObject.h"
#include "mastermap/MasterMapPainter.h"

#include <QDir>
#include <QFileInfo>
#include <QPaintDevice>
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
    MasterMapPicture::Key key;
    for (int i = 0; i < mastermap::CategoryCount; ++i) {
        const CategoryAttributes& a = view.CategoryToColors(i);
        key.styles[i] = {a.LineColor, a.LineStyle, a.LinePattern, a.AreaColor, a.AreaStyle};
    }
    key.view = {view.ClipLeft, view.ClipBottom, view.ClipRight, view.ClipTop};
    key.toDevice = view.MapPicture.UserTransform();
    key.categories = control_.SelectedCategories();
    for (const auto& file : control_.Files().Files())
        key.files << file->Path();
    const auto draw = [&](QPainter& into) {
        mastermap::MasterMapPainter master(control_.Files(), key.styles);
        master.SetLabelFont(PinnedFonts::Font(QStringLiteral("Arial")));
        master.SetLabelArea(QRectF(0, 0, view.MapPicture.Width, view.MapPicture.Height));
        master.SetNameCache(&placeNames_);
        master.Draw(into, key.view, key.toDevice, key.categories);
    };
    if (!MasterMapPicture::Suits(painter))
        return draw(painter);
    key.size = QSizeF(view.MapPicture.Width, view.MapPicture.Height);
    key.ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1;
    picture_.Paint(painter, key, draw);
}

} // namespace mapview
