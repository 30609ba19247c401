#pragma once

#include "UnitConfig.h"

#include "linkpod/LinkTransport.h"

namespace unitsim {

// Puts the emulator's send faults between it and the line: the Nth packet is
// lost once, every Nth packet gets one flipped byte. Acks pass untouched so
// that a fault hits exactly the packets the options count.
class FaultyTransport : public linkpod::LinkTransport {
    Q_OBJECT
public:
    FaultyTransport(linkpod::LinkTransport* line, const UnitConfig& config, QObject* parent = nullptr);

    bool Open(const QString& path, int rate) override { return line_->Open(path, rate); }
    void Close() override { line_->Close(); }
    bool IsOpen() const override { return line_->IsOpen(); }
    void Write(const QByteArray& bytes) override;
    QString ErrorText() const override { return line_->ErrorText(); }
    // A mute unit sends nothing at all, not even Acks.
    void SetMute(bool mute) { mute_ = mute; }

private:
    linkpod::LinkTransport* line_;
    int dropAt_;
    int corruptEvery_;
    int sent_ = 0;
    bool mute_ = false;
};

} // namespace unitsim
