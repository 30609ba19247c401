#include "app/FileChooser.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace app {

QString FileChooser::DialogFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts.at(i);
        QString pattern = parts.at(i + 1);
        pattern.replace(u';', u' ');
        // The dialog reads the patterns from the description's last brackets.
        const QString bracketed = QStringLiteral("(") + pattern + QStringLiteral(")");
        entries << (description.endsWith(bracketed) ? description : description + u' ' + bracketed);
    }
    return entries.join(QStringLiteral(";;"));
}

namespace {

void Prepare(QFileDialog& dialog, const FileQuestion& question) {
    dialog.setObjectName(QStringLiteral("dlgFile"));
    dialog.setWindowTitle(question.title);
    // A file named as the start is proposed in its folder.
    const QFileInfo start(question.folder);
    if (!question.folder.isEmpty() && !start.isDir()) {
        dialog.setDirectory(start.absolutePath());
        dialog.selectFile(start.fileName());
    } else {
        dialog.setDirectory(question.folder);
    }
    dialog.setNameFilter(FileChooser::DialogFilter(question.filter));
    dialog.setDefaultSuffix(question.defaultSuffix);
}

QString Chosen(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString DialogFileChooser::OpenName(const FileQuestion& question) {
    QFileDialog dialog(owner_);
    Prepare(dialog, question);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Chosen(dialog);
}

QString DialogFileChooser::SaveName(const FileQuestion& question) {
    QFileDialog dialog(owner_);
    Prepare(dialog, question);
    // A bare name takes the extension of the kind chosen in the dialog, so
    // "trip" saved as a GPX file becomes "trip.gpx".
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &question](const QString& filter) {
            static const QRegularExpression single(QStringLiteral("\\(\\*\\.(\\w+)\\)$"));
            const QRegularExpressionMatch match = single.match(filter);
            dialog.setDefaultSuffix(match.hasMatch() ? match.captured(1) : question.defaultSuffix);
        });
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    return Chosen(dialog);
}

} // namespace app
