#include "print/frmPrintOptions.h"

#include "gpsdata/GPSData.h"
#include "mapview/WaypointSymbolSet.h"
#include "print/PrintJob.h"
#include "print/frmPrintingPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace print {

namespace {

// The printer's resolution for each quality, high to draft.
constexpr int Resolutions[] = {600, 300, 150, 96};

QRadioButton* Option(const char* name, const QString& text, QWidget* parent) {
    auto* b = new QRadioButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QPushButton* Button(const char* name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

frmPrintOptions::frmPrintOptions(const gpsdata::GPSData& data, const MapPage& map, const QString& mapName,
                                 const QString& dataFileName, QPrinter& printer, QWidget* parent)
    : QDialog(parent), data_(data), map_(map), mapName_(mapName), printer_(printer),
      chooser_(&ChoosePrinter) {
    setObjectName(QStringLiteral("frmPrintOptions"));
    setWindowTitle(Caption(mapName, dataFileName));
    auto* grid = new QGridLayout(this);
    grid->addWidget(BuildWhat(), 0, 0);
    grid->addWidget(BuildItems(), 0, 1, 2, 1);
    grid->addWidget(BuildRange(), 1, 0);
    grid->addWidget(BuildButtons(), 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
    optWaypoints_->setChecked(true);
    FillItems();
}

bool frmPrintOptions::ChoosePrinter(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString frmPrintOptions::Caption(const QString& mapName, const QString& dataFileName) {
    const QString file = QFileInfo(dataFileName).fileName();
    if (!mapName.isEmpty() && !file.isEmpty())
        return QStringLiteral("Print - ") + mapName + QStringLiteral(" / ") + file;
    if (!mapName.isEmpty() || !file.isEmpty())
        return QStringLiteral("Print - ") + mapName + file;
    return QStringLiteral("Print - Untitled");
}

QWidget* frmPrintOptions::BuildWhat() {
    auto* box = new QGroupBox(QStringLiteral("Print What"), this);
    box->setObjectName(QStringLiteral("fraPrintWhat"));
    optWaypoints_ = Option("optWaypoints", QStringLiteral("Waypoints"), box);
    optRoutes_ = Option("optRoutes", QStringLiteral("Routes"), box);
    optIcons_ = Option("optIcons", QStringLiteral("Icons"), box);
    optMap_ = Option("optMap", QStringLiteral("Map"), box);
    chkDrawBorders_ = new QCheckBox(QStringLiteral("Draw Borders"), box);
    chkDrawBorders_->setObjectName(QStringLiteral("chkDrawBorders"));
    chkExpandMap_ = new QCheckBox(QStringLiteral("Expand Map"), box);
    chkExpandMap_->setObjectName(QStringLiteral("chkExpandMap"));
    auto* layout = new QVBoxLayout(box);
    for (QRadioButton* b : {optWaypoints_, optRoutes_, optIcons_, optMap_}) {
        layout->addWidget(b);
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                FillItems();
        });
    }
    auto* mapOptions = new QVBoxLayout;
    mapOptions->setContentsMargins(20, 0, 0, 0);
    mapOptions->addWidget(chkDrawBorders_);
    mapOptions->addWidget(chkExpandMap_);
    layout->addLayout(mapOptions);
    layout->addStretch();
    return box;
}

QWidget* frmPrintOptions::BuildItems() {
    auto* box = new QGroupBox(QStringLiteral("Print Items"), this);
    box->setObjectName(QStringLiteral("fraPrintItems"));
    lstPrintItems_ = new QListWidget(box);
    lstPrintItems_->setObjectName(QStringLiteral("lstPrintItems"));
    lstPrintItems_->setSelectionMode(QAbstractItemView::MultiSelection);
    lstPrintItems_->setMinimumSize(240, 200);
    cmdSelectAll_ = Button("cmdSelectAll", QStringLiteral("Select All"), box);
    cmdInvertSelection_ = Button("cmdInvertSelection", QStringLiteral("Invert Selection"), box);
    connect(cmdSelectAll_, &QPushButton::clicked, lstPrintItems_, &QListWidget::selectAll);
    connect(cmdInvertSelection_, &QPushButton::clicked, this, [this] {
        for (int i = 0; i < lstPrintItems_->count(); ++i)
            lstPrintItems_->item(i)->setSelected(!lstPrintItems_->item(i)->isSelected());
    });
    connect(lstPrintItems_, &QListWidget::itemSelectionChanged, this, &frmPrintOptions::UpdateRange);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSelectAll_);
    buttons->addWidget(cmdInvertSelection_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(lstPrintItems_);
    layout->addLayout(buttons);
    return box;
}

QWidget* frmPrintOptions::BuildRange() {
    auto* box = new QGroupBox(QStringLiteral("Page Range"), this);
    box->setObjectName(QStringLiteral("fraPageRange"));
    optAllPages_ = Option("optAllPages", QStringLiteral("All Pages"), box);
    optSelectedRange_ = Option("optSelectedRange", QStringLiteral("Selected Range"), box);
    optAllPages_->setChecked(true);
    const auto bar = [box](const char* name) {
        auto* b = new QScrollBar(Qt::Horizontal, box);
        b->setObjectName(QLatin1String(name));
        b->setMinimumWidth(120);
        b->setPageStep(1);
        return b;
    };
    hsbFrom_ = bar("hsbFrom");
    hsbTo_ = bar("hsbTo");
    lblFrom_ = new QLabel(box);
    lblFrom_->setObjectName(QStringLiteral("lblFrom"));
    lblTo_ = new QLabel(box);
    lblTo_->setObjectName(QStringLiteral("lblTo"));
    for (QLabel* l : {lblFrom_, lblTo_})
        l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("9999")));
    // Each bar bounds the other, so that From never passes To.
    connect(hsbFrom_, &QScrollBar::valueChanged, this, [this](int v) {
        hsbTo_->setMinimum(v);
        ShowRange();
    });
    connect(hsbTo_, &QScrollBar::valueChanged, this, [this](int v) {
        hsbFrom_->setMaximum(v);
        ShowRange();
    });
    connect(optSelectedRange_, &QRadioButton::toggled, this, &frmPrintOptions::ShowRange);
    auto* layout = new QGridLayout(box);
    layout->addWidget(optAllPages_, 0, 0, 1, 3);
    layout->addWidget(optSelectedRange_, 1, 0, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("From:"), box), 2, 0);
    layout->addWidget(hsbFrom_, 2, 1);
    layout->addWidget(lblFrom_, 2, 2);
    layout->addWidget(new QLabel(QStringLiteral("To:"), box), 3, 0);
    layout->addWidget(hsbTo_, 3, 1);
    layout->addWidget(lblTo_, 3, 2);
    layout->setColumnStretch(1, 1);
    return box;
}

QWidget* frmPrintOptions::BuildButtons() {
    auto* row = new QWidget(this);
    auto* quality = new QLabel(QStringLiteral("Print &Quality:"), row);
    cboQuality_ = new QComboBox(row);
    cboQuality_->setObjectName(QStringLiteral("cboQuality"));
    cboQuality_->addItems(
        {QStringLiteral("High"), QStringLiteral("Medium"), QStringLiteral("Low"), QStringLiteral("Draft")});
    quality->setBuddy(cboQuality_);
    QPushButton* setup = Button("cmdPrinterSetup", QStringLiteral("Printer Setup"), row);
    QPushButton* print = Button("cmdPrint", QStringLiteral("Print"), row);
    QPushButton* cancel = Button("cmdCancel", QStringLiteral("Cancel"), row);
    print->setDefault(true);
    connect(setup, &QPushButton::clicked, this, &frmPrintOptions::PrinterSetup);
    connect(print, &QPushButton::clicked, this, &frmPrintOptions::Print);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(quality);
    layout->addWidget(cboQuality_);
    layout->addWidget(setup);
    layout->addStretch();
    layout->addWidget(print);
    layout->addWidget(cancel);
    return row;
}

PrintOptions::What frmPrintOptions::What() const {
    if (optRoutes_->isChecked())
        return PrintOptions::What::Routes;
    if (optIcons_->isChecked())
        return PrintOptions::What::Icons;
    if (optMap_->isChecked())
        return PrintOptions::What::Map;
    return PrintOptions::What::Waypoints;
}

void frmPrintOptions::FillItems() {
    const QSignalBlocker quiet(lstPrintItems_);
    lstPrintItems_->clear();
    const auto add = [this](const QString& text, qint16 index) {
        auto* item = new QListWidgetItem(text, lstPrintItems_);
        item->setData(Qt::UserRole, index);
    };
    switch (What()) {
    case PrintOptions::What::Waypoints:
        for (const auto& e : data_.Waypoints())
            add(QStringLiteral("%1  %2").arg(e.key + 1).arg(e.object->WptName()), e.key);
        break;
    case PrintOptions::What::Routes:
        for (const auto& e : data_.Routes())
            add(QStringLiteral("Route %1: %2").arg(e.key + 1).arg(e.object->RteName()), e.key);
        break;
    case PrintOptions::What::Icons: {
        const auto& symbols = mapview::WaypointSymbolSet();
        for (const auto& e : data_.Icons()) {
            const int symbol = e.object->IcnSymbol();
            add(QStringLiteral("Icon %1: %2")
                    .arg(e.key + 1)
                    .arg(symbol >= 0 && symbol < int(symbols.size()) ? symbols[symbol].Name : QString()),
                e.key);
        }
        break;
    }
    case PrintOptions::What::Map:
        break;
    }
    lstPrintItems_->selectAll();
    const bool map = What() == PrintOptions::What::Map;
    for (QWidget* w : {static_cast<QWidget*>(lstPrintItems_), static_cast<QWidget*>(cmdSelectAll_),
                       static_cast<QWidget*>(cmdInvertSelection_)})
        w->setEnabled(!map);
    chkDrawBorders_->setEnabled(map);
    chkExpandMap_->setEnabled(map);
    UpdateRange();
}

int frmPrintOptions::PageCount() const {
    PrintJob job(data_, Options());
    job.SetMap(&map_, mapName_);
    return job.PageCount();
}

void frmPrintOptions::UpdateRange() {
    const int pages = PageCount();
    const QSignalBlocker quietFrom(hsbFrom_);
    const QSignalBlocker quietTo(hsbTo_);
    hsbTo_->setRange(1, pages);
    hsbTo_->setValue(pages);
    hsbFrom_->setRange(1, pages);
    hsbFrom_->setValue(1);
    ShowRange();
}

void frmPrintOptions::ShowRange() {
    lblFrom_->setText(QString::number(hsbFrom_->value()));
    lblTo_->setText(QString::number(hsbTo_->value()));
    const bool selected = optSelectedRange_->isChecked();
    for (QWidget* w : {hsbFrom_, hsbTo_})
        w->setEnabled(selected);
}

PrintOptions frmPrintOptions::Options() const {
    PrintOptions o;
    o.what = What();
    for (const QListWidgetItem* item : lstPrintItems_->selectedItems())
        o.items << qint16(item->data(Qt::UserRole).toInt());
    if (optSelectedRange_->isChecked())
        o.range = {hsbFrom_->value(), hsbTo_->value()};
    o.drawBorders = chkDrawBorders_->isChecked();
    o.expandMap = chkExpandMap_->isChecked();
    o.quality = Quality(cboQuality_->currentIndex());
    return o;
}

void frmPrintOptions::PrinterSetup() {
    printerChosen_ = chooser_(printer_, this) || printerChosen_;
}

void frmPrintOptions::Print() {
    if (!printerChosen_ && !chooser_(printer_, this))
        return;
    PrintOn(printer_);
    accept();
}

void frmPrintOptions::PrintOn(QPrinter& printer) {
    const PrintOptions options = Options();
    printer.setResolution(Resolutions[options.quality + 4]);
    PrintJob job(data_, options);
    job.SetMap(&map_, mapName_);
    frmPrintingPage progress(this);
    progress.Begin(windowTitle());
    job.Print(printer, &progress);
    progress.End();
}

} // namespace print
