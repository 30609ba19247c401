#pragma once

#include "print/MapPage.h"
#include "print/PrintOptions.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPrinter;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace gpsdata {
class GPSData;
}

namespace print {

// The print dialog: what to print (a table of waypoints, routes or icons, or
// the map), which items, which pages, the map's borders and size, and the
// printer's quality. Print lays the choice out on the printer, with the
// printing window showing the page, and closes the dialog.
class frmPrintOptions : public QDialog {
    Q_OBJECT
public:
    // Asks where to print (a printer, or a PDF file); false when the user declined.
    using PrinterChooser = std::function<bool(QPrinter&, QWidget* parent)>;

    frmPrintOptions(const gpsdata::GPSData& data, const MapPage& map, const QString& mapName,
                    const QString& dataFileName, QPrinter& printer, QWidget* parent = nullptr);

    // "Print - " with the names that are known.
    static QString Caption(const QString& mapName, const QString& dataFileName);
    // Qt's print dialog, which offers the printers and a PDF file.
    static bool ChoosePrinter(QPrinter& printer, QWidget* parent);
    // The printer's quality for the quality list's position (0 High .. 3 Draft).
    static int Quality(int position) { return position - 4; }

    void SetPrinterChooser(PrinterChooser chooser) { chooser_ = std::move(chooser); }
    PrintOptions Options() const;
    // The pages the current choice takes.
    int PageCount() const;

    // Prints the current choice on the printer as it is set up.
    void PrintOn(QPrinter& printer);

private:
    QWidget* BuildWhat();
    QWidget* BuildItems();
    QWidget* BuildRange();
    QWidget* BuildButtons();
    PrintOptions::What What() const;
    void FillItems();
    void UpdateRange();
    void ShowRange();
    void Print();
    void PrinterSetup();

    const gpsdata::GPSData& data_;
    MapPage map_;
    QString mapName_;
    QPrinter& printer_;
    PrinterChooser chooser_;
    bool printerChosen_ = false;
    QRadioButton* optWaypoints_;
    QRadioButton* optRoutes_;
    QRadioButton* optIcons_;
    QRadioButton* optMap_;
    QListWidget* lstPrintItems_;
    QPushButton* cmdSelectAll_;
    QPushButton* cmdInvertSelection_;
    QRadioButton* optAllPages_;
    QRadioButton* optSelectedRange_;
    QScrollBar* hsbFrom_;
    QScrollBar* hsbTo_;
    QLabel* lblFrom_;
    QLabel* lblTo_;
    QCheckBox* chkDrawBorders_;
    QCheckBox* chkExpandMap_;
    QComboBox* cboQuality_;
};

} // namespace print
