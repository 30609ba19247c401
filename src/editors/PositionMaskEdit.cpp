#include "editors/PositionMaskEdit.h"

namespace editors {

namespace {
// Characters that the line edit's masks give a meaning of their own.
const QString MaskMeta = QStringLiteral("AaNnXx90DdHhBb#><!\\[]{};");
} // namespace

PositionMaskEdit::PositionMaskEdit(QWidget* parent) : QLineEdit(parent) {}

QString PositionMaskEdit::InputMask(const QString& mask) {
    QString out;
    for (const QChar c : mask) {
        if (c == u'#')
            out += u'9';
        else if (MaskMeta.contains(c))
            out += u'\\' + QString(c);
        else
            out += c;
    }
    return out + QStringLiteral(";_");
}

void PositionMaskEdit::SetMaskedText(const QString& mask, const QString& text) {
    if (mask.isEmpty()) {
        setInputMask(QString());
        setText(text);
        return;
    }
    const qsizetype missing = text.size() - mask.size();
    setInputMask(InputMask(missing > 0 ? QString(missing, u'#') + mask : mask));
    setText(text);
}

} // namespace editors
