#pragma once

#include <QString>

class QWidget;

namespace app {

// What the open and save dialogs ask: a title, a filter in the form
// "Description|pattern|Description|pattern", the starting folder (or a file
// in it, proposed by name) and the extension added to a bare name.
struct FileQuestion {
    QString title;
    QString filter;
    QString folder;
    QString defaultSuffix;
};

// Chooses file names for the file commands; empty text when the user cancelled.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual QString OpenName(const FileQuestion& question) = 0;
    virtual QString SaveName(const FileQuestion& question) = 0;

    // The filter in the dialogs' own form: "Description (pattern);;...".
    static QString DialogFilter(const QString& filter);
};

// The desktop's file dialogs.
class DialogFileChooser : public FileChooser {
public:
    explicit DialogFileChooser(QWidget* owner) : owner_(owner) {}
    QString OpenName(const FileQuestion& question) override;
    QString SaveName(const FileQuestion& question) override;

private:
    QWidget* owner_;
};

} // namespace app
