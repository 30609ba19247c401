#pragma once

#include <QLineEdit>
#include <QString>

namespace editors {

// An entry box for a latitude or longitude in the masked form of the editing
// windows: '#' of the mask is a digit place, every other character a literal
// that the cursor steps over. Empty places show as '_', and Text() keeps them,
// so that fields stay at the character positions the position checks read.
class PositionMaskEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit PositionMaskEdit(QWidget* parent = nullptr);

    // Sets the mask and the text; a text longer than the mask (an internal
    // value beyond eight digits) widens the mask by digit places in front. An
    // empty mask leaves the box unmasked.
    void SetMaskedText(const QString& mask, const QString& text);
    // The text with its empty places.
    QString Text() const { return displayText(); }

    // The mask in the form the line edit understands.
    static QString InputMask(const QString& mask);
};

} // namespace editors
