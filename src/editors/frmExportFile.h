#pragma once

#include <QDialog>
#include <QList>
#include <QString>

#include <functional>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace gpsdata {
class GPSData;
}
namespace ui {
class Prompt;
}

namespace editors {

// Writes chosen waypoints, or the waypoints of chosen routes in route order,
// as a position list. Opens with waypoints chosen, all of them selected, and
// the file name "Output.TXT"; a name without a folder goes to `folder`.
class frmExportFile : public QDialog {
    Q_OBJECT
public:
    // Asks for a file to write: the dialog's title, its filter and the name
    // proposed; empty when cancelled.
    using Browser = std::function<QString(const QString& title, const QString& filter, const QString& name)>;

    frmExportFile(gpsdata::GPSData& data, ui::Prompt& prompt, const QString& folder,
                  QWidget* parent = nullptr);

    void SetBrowser(Browser browser) { browser_ = std::move(browser); }

    bool ExportsRoutes() const;
    // The indexes of the selected objects, in list order.
    QList<qint16> SelectedIndexes() const;
    // The file the list goes to.
    QString TargetPath() const;

    // Writes the file; the window closes when it was written.
    void Save();

private:
    void Fill();
    void SelectAll();
    void Invert();
    void Browse();

    gpsdata::GPSData& data_;
    ui::Prompt& prompt_;
    QString folder_;
    Browser browser_;
    QRadioButton* optWaypoints_;
    QRadioButton* optRoutes_;
    QListWidget* lstExportItems_;
    QPushButton* btnSelectAll_;
    QPushButton* btnInvert_;
    QCheckBox* chkIncudeNames_;
    QLineEdit* txtFileName_;
    QPushButton* btnBrowse_;
};

} // namespace editors
