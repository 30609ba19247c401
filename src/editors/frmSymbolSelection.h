#pragma once

#include "editors/SymbolIcons.h"

#include <QDialog>

#include <optional>

class QTreeWidget;
class QTreeWidgetItem;

namespace gpsdata {
class GPSData;
}
namespace mapview {
class WindowObject;
}

namespace editors {

// The waypoint and icon symbol selector: every symbol number the unit
// allows and accepts, with its picture and name, the current one selected.
// A double click (or Enter) picks a symbol and closes the window.
class frmSymbolSelection : public QDialog {
    Q_OBJECT
public:
    frmSymbolSelection(gpsdata::GPSData& data, mapview::WindowObject& window, int current,
                       QWidget* parent = nullptr);

    // Shows the selector modally; the picked symbol, none when it was closed
    // without a pick.
    static std::optional<int> Choose(gpsdata::GPSData& data, mapview::WindowObject& window, int current,
                                     QWidget* parent = nullptr);

    std::optional<int> PickedSymbol() const { return picked_; }
    QTreeWidget* List() const { return lvwSymbols_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Fill(gpsdata::GPSData& data, int current);
    void Pick(QTreeWidgetItem* row);

    SymbolIcons icons_;
    QTreeWidget* lvwSymbols_;
    std::optional<int> picked_;
};

} // namespace editors
