#pragma once

#include "unitwindows/SerialPortList.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace comm {
class Connection;
}

namespace unitwindows {

// The port options: which COM port and parallel port the session uses, and
// whether it looks on the other COM ports too. A Linux machine has no COM
// numbers, so each COM n is tied to a serial device here (the machine's
// serial ports are offered by their stable names) and each parallel port to
// the folder that stands for the card reader. OK writes it all back to the
// session and its port table; Cancel changes nothing.
class frmOptions : public QDialog {
    Q_OBJECT
public:
    static constexpr int ComPorts = 4;
    static constexpr int ParallelPorts = 2;

    frmOptions(comm::Connection& session, const QList<SerialPortList::Entry>& ports,
               QWidget* owner = nullptr);

    // The number of the checked COM button, 0 when none is.
    int SelectedComPort() const;
    // The position of the chosen parallel port entry, from 1.
    int SelectedLPTPort() const;

    QComboBox* ComDevice(int port) const { return devices_.at(port - 1); }
    QLineEdit* ReaderFolder(int port) const { return folders_.at(port - 1); }

signals:
    // OK was pressed and the choices are in the session.
    void Applied();

protected:
    void accept() override;

private:
    QWidget* BuildComPorts();
    QWidget* BuildCardReader();
    void ShowDescription(int port);
    void ChooseFolder(int port);

    comm::Connection& session_;
    QList<SerialPortList::Entry> ports_;
    QList<QRadioButton*> options_;
    QList<QComboBox*> devices_;
    QList<QLabel*> descriptions_;
    QCheckBox* autoSelect_ = nullptr;
    QComboBox* lpt_ = nullptr;
    QList<QLineEdit*> folders_;
};

} // namespace unitwindows
