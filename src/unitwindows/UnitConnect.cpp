#include "unitwindows/UnitConnect.h"

#include "comm/Connection.h"
#include "unitwindows/frmOptions.h"
#include "unitwindows/frmSerialConnect.h"

#include <QFileInfo>
#include <QWidget>

namespace unitwindows {

UnitConnect::UnitConnect(comm::Connection& session, ui::Prompt& prompt, ui::StatusSink& messages,
                         QWidget* owner)
    : QObject(owner), session_(session), prompt_(prompt), messages_(messages), owner_(owner),
      ports_([] { return SerialPortList::Available(); }) {
    session_.SetStatus(this);
    connect(&session_, &comm::Connection::ConnectedStatusChanged, this,
            &UnitConnect::OnConnectedStatusChanged);
}

frmSerialConnect* UnitConnect::ConnectWindow() const {
    return connecting_;
}

frmOptions* UnitConnect::OptionsWindow() const {
    return options_;
}

void UnitConnect::SetStatusText(int panel, const QString& text) {
    messages_.SetStatusText(panel, text);
    if (connecting_)
        connecting_->SetStatusText(text);
}

void UnitConnect::Connect() {
    emit ClearDeviceLists();
    session_.CloseLPTPort();
    if (!session_.Connect())
        return OfferOptions();
    if (!connecting_)
        connecting_ = new frmSerialConnect(owner_);
    connecting_->SetStatusText({});
    connecting_->open();
}

void UnitConnect::OfferOptions() {
    const int port = session_.ComPort();
    const QString device = session_.Pod().Ports().ComDevice(port);
    if (QFileInfo::exists(device))
        return;
    const ui::Answer answer = prompt_.Ask(
        QStringLiteral("Communications Error"),
        QStringLiteral("COM%1 stands for %2, which is not there.\r\n"
                       "Would you like to choose the serial device of each COM port in the options?")
            .arg(port)
            .arg(device),
        ui::Buttons::YesNo, ui::Icon::Question);
    if (answer == ui::Answer::Yes)
        ShowOptions();
}

void UnitConnect::Disconnect() {
    session_.Disconnect();
}

void UnitConnect::OpenCardReader() {
    session_.Disconnect();
    session_.OpenLPTPort();
}

void UnitConnect::CloseCardReader() {
    session_.CloseLPTPort();
}

void UnitConnect::ShowOptions() {
    if (options_)
        return options_->raise();
    options_ = new frmOptions(session_, ports_(), owner_);
    options_->setAttribute(Qt::WA_DeleteOnClose);
    connect(options_, &frmOptions::Applied, this, &UnitConnect::OptionsApplied);
    options_->open();
}

void UnitConnect::OnConnectedStatusChanged() {
    if (connecting_ && connecting_->isVisible())
        connecting_->CloseByProgram();
}

} // namespace unitwindows
