#pragma once

#include "gpsdata/Prompt.h"

#include <QDateTime>
#include <QList>
#include <QObject>

#include <cstdint>

namespace linkpod {
class LinkPod;
}

namespace comm {

// Loads or saves the control's four lists through a card's user data file,
// around a transfer with the card reader: the progress follows the control,
// the end event's result becomes the card's message, and Finished tells the
// transfer whether to go on.
class TransferUserData : public QObject {
    Q_OBJECT
public:
    explicit TransferUserData(linkpod::LinkPod& pod, QObject* parent = nullptr);

    void SetPrompt(ui::Prompt* prompt) { prompt_ = prompt; }
    void SetProgress(ui::Progress* progress) { progress_ = progress; }

    // The lists are emptied, then filled from the card of `device`, `slot`.
    void LoadData(std::uint16_t device, int slot);
    // The lists (filled by an upload) are written to the card, then emptied.
    void SaveData(std::uint16_t device, int slot, const QDateTime& when);

signals:
    void Finished(bool ok);

private:
    void Begin(const QString& caption);
    void OnProgress(int percent);
    void End(int result, const QString& text);
    void Detach();

    linkpod::LinkPod& pod_;
    ui::Prompt* prompt_ = nullptr;
    ui::Progress* progress_ = nullptr;
    QList<QMetaObject::Connection> attached_;
};

} // namespace comm
