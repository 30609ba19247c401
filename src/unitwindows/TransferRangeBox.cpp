#include "unitwindows/TransferRangeBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace unitwindows {

TransferRangeBox::TransferRangeBox(const QString& title, const QString& prefix, bool firstIsZero,
                                   QWidget* parent)
    : QGroupBox(title, parent), firstIsZero_(firstIsZero),
      all_(new QRadioButton(QStringLiteral("All"), this)),
      none_(new QRadioButton(QStringLiteral("None"), this)),
      range_(new QRadioButton(QStringLiteral("Range"), this)), min_(UpDown(prefix + QStringLiteral("Min"))),
      max_(UpDown(prefix + QStringLiteral("Max"))) {
    setObjectName(QStringLiteral("fra") + prefix);
    all_->setObjectName(QStringLiteral("opt") + prefix + QStringLiteral("All"));
    none_->setObjectName(QStringLiteral("opt") + prefix + QStringLiteral("None"));
    range_->setObjectName(QStringLiteral("opt") + prefix + QStringLiteral("Range"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(all_, 0, 0);
    grid->addWidget(none_, 1, 0);
    grid->addWidget(range_, 2, 0);
    grid->addWidget(new QLabel(QStringLiteral("From"), this), 2, 1);
    grid->addWidget(min_, 2, 2);
    grid->addWidget(new QLabel(QStringLiteral("To"), this), 2, 3);
    grid->addWidget(max_, 2, 4);
    for (QRadioButton* option : {all_, none_, range_})
        connect(option, &QRadioButton::toggled, this, &TransferRangeBox::ShowChoice);
    // Moving one end past the other takes the other along.
    connect(min_, &QSpinBox::valueChanged, this, [this](int first) {
        if (max_->value() < first)
            max_->setValue(first);
    });
    connect(max_, &QSpinBox::valueChanged, this, [this](int last) {
        if (min_->value() > last)
            min_->setValue(last);
    });
    all_->setChecked(true);
    ShowChoice();
}

QSpinBox* TransferRangeBox::UpDown(const QString& name) {
    auto* upDown = new QSpinBox(this);
    upDown->setObjectName(QStringLiteral("ud") + name);
    upDown->setRange(1, 1);
    upDown->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    upDown->setMinimumWidth(70);
    // The up-down's own text box; its validator takes digits only.
    if (auto* text = upDown->findChild<QLineEdit*>())
        text->setObjectName(QStringLiteral("txt") + name);
    return upDown;
}

void TransferRangeBox::ShowChoice() {
    const bool range = range_->isChecked();
    min_->setEnabled(range && !firstIsZero_);
    max_->setEnabled(range);
}

void TransferRangeBox::SetMaximum(int maximum) {
    const int top = std::max(maximum, 1);
    min_->setMaximum(top);
    max_->setMaximum(top);
}

void TransferRangeBox::SetRange(const comm::KindRange& range) {
    switch (range.choice) {
    case comm::KindRange::All:
        all_->setChecked(true);
        break;
    case comm::KindRange::None:
        none_->setChecked(true);
        break;
    case comm::KindRange::Range:
        range_->setChecked(true);
        max_->setValue(range.last + 1);
        min_->setValue(range.first + 1);
        break;
    }
    if (range.choice == comm::KindRange::All && range.last >= 0)
        max_->setValue(range.last + 1);
}

comm::KindRange TransferRangeBox::Range() const {
    if (none_->isChecked())
        return comm::KindRange::Nothing();
    if (all_->isChecked())
        return {comm::KindRange::All, 0, max_->value() - 1};
    return comm::KindRange::Indexes(firstIsZero_ ? 0 : min_->value() - 1, max_->value() - 1);
}

} // namespace unitwindows
