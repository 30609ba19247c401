#pragma once

#include "gpsdata/Prompt.h"
#include "unitwindows/SerialPortList.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace comm {
class Connection;
}

namespace unitwindows {

class frmOptions;
class frmSerialConnect;

// The main window's side of the link: the connect, disconnect, card reader
// and options commands, the connecting window while an attempt runs, and the
// session's status texts, which go to the status bar and to that window.
class UnitConnect : public QObject, public ui::StatusSink {
    Q_OBJECT
public:
    UnitConnect(comm::Connection& session, ui::Prompt& prompt, ui::StatusSink& messages, QWidget* owner);

    // The serial ports the options window offers; the machine's by default.
    void SetPortSource(std::function<QList<SerialPortList::Entry>()> ports) { ports_ = std::move(ports); }

    // Clears the card lists, closes the card reader and starts an attempt;
    // the connecting window stays until the attempt ends.
    void Connect();
    void Disconnect();
    void OpenCardReader();
    void CloseCardReader();
    void ShowOptions();

    frmSerialConnect* ConnectWindow() const;
    frmOptions* OptionsWindow() const;

    void SetStatusText(int panel, const QString& text) override;

signals:
    // The map window's card and file lists are to be emptied.
    void ClearDeviceLists();
    // The options window's choices are in the session.
    void OptionsApplied();

private:
    void OnConnectedStatusChanged();
    // After a failed attempt on a port whose device is not there.
    void OfferOptions();

    comm::Connection& session_;
    ui::Prompt& prompt_;
    ui::StatusSink& messages_;
    QWidget* owner_;
    std::function<QList<SerialPortList::Entry>()> ports_;
    QPointer<frmSerialConnect> connecting_;
    QPointer<frmOptions> options_;
};

} // namespace unitwindows
