#pragma once

#include "comm/TransferSelection.h"

#include <QGroupBox>

class QRadioButton;
class QSpinBox;

namespace unitwindows {

// One kind's part of the transfer window: All, None or a Range of item
// numbers (from 1), whose first number never goes above its last. The text
// boxes take digits only and fall back to the up-down's value when left.
// Object names follow the kind's prefix: optWptAll, txtWptMin, udWptMax...
class TransferRangeBox : public QGroupBox {
    Q_OBJECT
public:
    // `firstIsZero`: the kind is a counted list whose range always starts at
    // its first item (the icons).
    TransferRangeBox(const QString& title, const QString& prefix, bool firstIsZero,
                     QWidget* parent = nullptr);

    // The highest item number the up-downs offer.
    void SetMaximum(int maximum);
    void SetRange(const comm::KindRange& range);
    // 0-based: Range gives the up-downs - 1, All 0 and the last up-down - 1,
    // None an empty range.
    comm::KindRange Range() const;

    QSpinBox* First() const { return min_; }
    QSpinBox* Last() const { return max_; }

private:
    QSpinBox* UpDown(const QString& name);
    void ShowChoice();

    bool firstIsZero_;
    QRadioButton* all_;
    QRadioButton* none_;
    QRadioButton* range_;
    QSpinBox* min_;
    QSpinBox* max_;
};

} // namespace unitwindows
