#include "print/PdfFile.h"

#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>

namespace print {

namespace {
// Fine enough for every line of the map to be placed exactly; text and lines
// stay vectors at any resolution.
constexpr int Resolution = 600;
} // namespace

QString PdfFile::Write(const QString& path, const std::function<QString(QPdfWriter&)>& draw) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QString failure;
    {
        QPdfWriter writer(&file);
        writer.setResolution(Resolution);
        writer.setCreator(QStringLiteral("Terrafold"));
        // A PDF has no unprintable edge: the page grid spans the whole sheet.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
        failure = draw(writer);
    }
    if (!failure.isEmpty()) {
        file.cancelWriting();
        return failure;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace print
