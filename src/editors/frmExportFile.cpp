#include "editors/frmExportFile.h"

#include "files/PositionListExport.h"
#include "files/PositionListImport.h"
#include "gpsdata/GPSData.h"
#include "gpsdata/Prompt.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace editors {

namespace {

template <class Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// "012  Name": the number the list windows show (index + 1) and the name.
QListWidgetItem* Entry(qint16 index, int digits, const QString& name) {
    auto* item =
        new QListWidgetItem(QStringLiteral("%1  %2").arg(index + 1, digits, 10, QLatin1Char('0')).arg(name));
    item->setData(Qt::UserRole, index);
    return item;
}

} // namespace

frmExportFile::frmExportFile(gpsdata::GPSData& data, ui::Prompt& prompt, const QString& folder,
                             QWidget* parent)
    : QDialog(parent), data_(data), prompt_(prompt), folder_(folder),
      optWaypoints_(Named(new QRadioButton(QStringLiteral("&Waypoints")), "optWaypoints")),
      optRoutes_(Named(new QRadioButton(QStringLiteral("&Routes")), "optRoutes")),
      lstExportItems_(Named(new QListWidget, "lstExportItems")),
      btnSelectAll_(Named(new QPushButton(QStringLiteral("Select &All")), "btnSelectAll")),
      btnInvert_(Named(new QPushButton(QStringLiteral("&Invert")), "btnInvert")),
      chkIncudeNames_(Named(new QCheckBox(QStringLiteral("Include &names")), "chkIncudeNames")),
      txtFileName_(Named(new QLineEdit(files::PositionListExport::DefaultFileName()), "txtFileName")),
      btnBrowse_(Named(new QPushButton(QStringLiteral("&Browse...")), "btnBrowse")) {
    setObjectName(QStringLiteral("frmExportFile"));
    setWindowTitle(QStringLiteral("Export"));
    optWaypoints_->setChecked(true);
    lstExportItems_->setSelectionMode(QAbstractItemView::MultiSelection);

    auto* kind = new QGroupBox(QStringLiteral("Export"));
    auto* kindLayout = new QHBoxLayout(kind);
    kindLayout->addWidget(optWaypoints_);
    kindLayout->addWidget(optRoutes_);
    kindLayout->addStretch();

    auto* selection = new QHBoxLayout;
    selection->addWidget(btnSelectAll_);
    selection->addWidget(btnInvert_);
    selection->addStretch();
    selection->addWidget(chkIncudeNames_);

    auto* file = new QHBoxLayout;
    file->addWidget(new QLabel(QStringLiteral("&File:")));
    file->addWidget(txtFileName_, 1);
    file->addWidget(btnBrowse_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Save)->setObjectName(QStringLiteral("btnSave"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(kind);
    layout->addWidget(lstExportItems_, 1);
    layout->addLayout(selection);
    layout->addLayout(file);
    layout->addWidget(buttons);

    connect(optWaypoints_, &QRadioButton::toggled, this, &frmExportFile::Fill);
    connect(btnSelectAll_, &QPushButton::clicked, this, &frmExportFile::SelectAll);
    connect(btnInvert_, &QPushButton::clicked, this, &frmExportFile::Invert);
    connect(btnBrowse_, &QPushButton::clicked, this, &frmExportFile::Browse);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmExportFile::Save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Fill();
    resize(360, 420);
}

bool frmExportFile::ExportsRoutes() const {
    return optRoutes_->isChecked();
}

void frmExportFile::Fill() {
    lstExportItems_->clear();
    if (ExportsRoutes()) {
        for (const auto& entry : data_.Routes())
            lstExportItems_->addItem(Entry(entry.object->RteIndex(), 2, entry.object->RteName()));
    } else {
        for (const auto& entry : data_.Waypoints())
            lstExportItems_->addItem(Entry(entry.object->WptIndex(), 3, entry.object->WptName()));
    }
    SelectAll();
}

void frmExportFile::SelectAll() {
    lstExportItems_->selectAll();
}

void frmExportFile::Invert() {
    for (int row = 0; row < lstExportItems_->count(); ++row) {
        QListWidgetItem* item = lstExportItems_->item(row);
        item->setSelected(!item->isSelected());
    }
}

QList<qint16> frmExportFile::SelectedIndexes() const {
    QList<qint16> indexes;
    for (int row = 0; row < lstExportItems_->count(); ++row)
        if (const QListWidgetItem* item = lstExportItems_->item(row); item->isSelected())
            indexes << static_cast<qint16>(item->data(Qt::UserRole).toInt());
    return indexes;
}

QString frmExportFile::TargetPath() const {
    return QDir(folder_).absoluteFilePath(txtFileName_->text().trimmed());
}

void frmExportFile::Browse() {
    if (!browser_)
        return;
    const QString name = browser_(files::PositionListExport::DialogTitle(ExportsRoutes()),
                                  files::PositionListImport::DialogFilter(), TargetPath());
    if (!name.isEmpty())
        txtFileName_->setText(name);
}

void frmExportFile::Save() {
    const bool names = chkIncudeNames_->isChecked();
    const QStringList lines = ExportsRoutes()
                                  ? files::PositionListExport::RouteLines(data_, SelectedIndexes(), names)
                                  : files::PositionListExport::WaypointLines(data_, SelectedIndexes(), names);
    const QString path = TargetPath();
    const QString failure = files::PositionListExport::Save(path, lines);
    if (!failure.isEmpty()) {
        prompt_.Message(QStringLiteral("Export Error"),
                        QStringLiteral("Unable to write ") + path + QStringLiteral("\r\n") + failure,
                        ui::Icon::Critical);
        return;
    }
    accept();
}

} // namespace editors
