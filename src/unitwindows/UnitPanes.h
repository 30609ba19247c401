#pragma once

#include <QList>
#include <QWidget>

class QGroupBox;
class QListWidget;

namespace comm {
class CardOperations;
class Connection;
class FlashPartitions;
} // namespace comm

namespace unitwindows {

// The map window's unit panes: the memory partitions of a unit on the Dezav
// link, or the memory cards of another unit or of the card reader with the
// map files of the selected card. The lists show what the partition and card
// lists of the session hold; choosing a card lists its files, choosing
// partitions checks that the built map fits them.
class UnitPanes : public QWidget {
    Q_OBJECT
public:
    UnitPanes(comm::Connection& session, comm::FlashPartitions& partitions, comm::CardOperations& cards,
              QWidget* parent = nullptr);

    QList<int> SelectedFlashRows() const;
    // -1 when no file is selected.
    int SelectedFileRow() const;
    // The partitions are shown (a unit on the Dezav link), not the cards.
    bool ShowsPartitions() const { return showsPartitions_; }

    // The connect command starts with empty card and file lists.
    void ClearDeviceLists();

private:
    void ShowFlashSections(bool partitions);
    void ConnectionChanged();
    void FillPartitions();
    void FillDevices();
    void FillFiles();

    comm::Connection& session_;
    comm::FlashPartitions& partitions_;
    comm::CardOperations& cards_;
    QGroupBox* fraFlashSections_;
    QListWidget* lstFlashSections_;
    QGroupBox* fraDevices_;
    QListWidget* lstDevices_;
    QGroupBox* fraFiles_;
    QListWidget* lstFiles_;
    bool showsPartitions_ = false;
};

} // namespace unitwindows
