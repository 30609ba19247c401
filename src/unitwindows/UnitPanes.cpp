#include "unitwindows/UnitPanes.h"

#include "comm/CardOperations.h"
#include "comm/Connection.h"
#include "comm/FlashPartitions.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace unitwindows {

namespace {

QListWidget* MakeList(const QString& name, QGroupBox* frame) {
    auto* list = new QListWidget(frame);
    list->setObjectName(name);
    // The entries line up their columns of sizes.
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(list);
    return list;
}

QGroupBox* MakeFrame(const QString& name, const QString& caption) {
    auto* frame = new QGroupBox(caption);
    frame->setObjectName(name);
    return frame;
}

void Fill(QListWidget* list, const QStringList& entries, int current) {
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItems(entries);
    list->setCurrentRow(current);
}

} // namespace

UnitPanes::UnitPanes(comm::Connection& session, comm::FlashPartitions& partitions,
                     comm::CardOperations& cards, QWidget* parent)
    : QWidget(parent), session_(session), partitions_(partitions), cards_(cards),
      fraFlashSections_(
          MakeFrame(QStringLiteral("fraFlashSections"), QStringLiteral("Flash Memory Partitions"))),
      lstFlashSections_(MakeList(QStringLiteral("lstFlashSections"), fraFlashSections_)),
      fraDevices_(MakeFrame(QStringLiteral("fraDevices"), QStringLiteral("Available MMC Cards"))),
      lstDevices_(MakeList(QStringLiteral("lstDevices"), fraDevices_)),
      fraFiles_(MakeFrame(QStringLiteral("fraFiles"), QStringLiteral("Files Stored  on Card"))),
      lstFiles_(MakeList(QStringLiteral("lstFiles"), fraFiles_)) {
    setObjectName(QStringLiteral("UnitPanes"));
    lstFlashSections_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fraFlashSections_, 2);
    layout->addWidget(fraDevices_, 1);
    layout->addWidget(fraFiles_, 1);

    connect(&partitions_, &comm::FlashPartitions::LinesChanged, this, &UnitPanes::FillPartitions);
    connect(&cards_, &comm::CardOperations::DevicesChanged, this, &UnitPanes::FillDevices);
    connect(&cards_, &comm::CardOperations::FilesChanged, this, &UnitPanes::FillFiles);
    connect(&session_, &comm::Connection::ShowFlashSections, this, &UnitPanes::ShowFlashSections);
    connect(&session_, &comm::Connection::ConnectedStatusChanged, this, &UnitPanes::ConnectionChanged);
    connect(lstDevices_, &QListWidget::currentRowChanged, &cards_, &comm::CardOperations::SelectDevice);
    connect(lstFlashSections_, &QListWidget::itemSelectionChanged, this,
            [this] { partitions_.lstFlashSections_Click(SelectedFlashRows()); });
    ShowFlashSections(false);
    ConnectionChanged();
}

QList<int> UnitPanes::SelectedFlashRows() const {
    QList<int> rows;
    for (const QModelIndex& index : lstFlashSections_->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

int UnitPanes::SelectedFileRow() const {
    return lstFiles_->currentItem() && lstFiles_->currentItem()->isSelected() ? lstFiles_->currentRow() : -1;
}

void UnitPanes::ClearDeviceLists() {
    cards_.ClearDevices();
}

void UnitPanes::ShowFlashSections(bool partitions) {
    showsPartitions_ = partitions;
    fraFlashSections_->setVisible(partitions);
    fraDevices_->setVisible(!partitions);
    fraFiles_->setVisible(!partitions);
}

void UnitPanes::ConnectionChanged() {
    // The card reader holds cards; the panes show while anything is there.
    if (session_.LPTPortOpen() && !session_.ConnectionIsLurch())
        ShowFlashSections(false);
    setVisible(session_.SerialConnected() || session_.ConnectionIsLurch() || session_.LPTPortOpen());
}

void UnitPanes::FillPartitions() {
    Fill(lstFlashSections_, partitions_.Lines(), -1);
}

void UnitPanes::FillDevices() {
    QStringList entries;
    for (const auto& card : cards_.Devices())
        entries << card.text;
    Fill(lstDevices_, entries, cards_.SelectedDevice());
}

void UnitPanes::FillFiles() {
    QStringList entries;
    for (const auto& file : cards_.Files())
        entries << file.text;
    Fill(lstFiles_, entries, -1);
}

} // namespace unitwindows
