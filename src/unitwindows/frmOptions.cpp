#include "unitwindows/frmOptions.h"

#include "comm/Connection.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace unitwindows {

frmOptions::frmOptions(comm::Connection& session, const QList<SerialPortList::Entry>& ports, QWidget* owner)
    : QDialog(owner), session_(session), ports_(ports) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &frmOptions::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &frmOptions::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildComPorts());
    layout->addWidget(BuildCardReader());
    layout->addWidget(buttons);
}

QWidget* frmOptions::BuildComPorts() {
    auto* box = new QGroupBox(QStringLiteral("COM Port"), this);
    auto* grid = new QGridLayout(box);
    const linkpod::PortTable& table = session_.Pod().Ports();
    for (int port = 1; port <= ComPorts; ++port) {
        auto* option = new QRadioButton(QStringLiteral("COM%1").arg(port), box);
        option->setObjectName(QStringLiteral("optCom%1").arg(port));
        option->setChecked(session_.ComPort() == port);
        auto* device = new QComboBox(box);
        device->setObjectName(QStringLiteral("cboComDevice%1").arg(port));
        device->setEditable(true);
        device->setMinimumContentsLength(40);
        for (const SerialPortList::Entry& entry : ports_) {
            device->addItem(entry.device);
            device->setItemData(device->count() - 1, entry.description, Qt::ToolTipRole);
        }
        device->setEditText(table.ChosenComDevice(port));
        device->lineEdit()->setPlaceholderText(linkpod::PortTable::DefaultComDevice(port));
        auto* description = new QLabel(box);
        description->setObjectName(QStringLiteral("lblComDevice%1").arg(port));
        grid->addWidget(option, 2 * (port - 1), 0);
        grid->addWidget(device, 2 * (port - 1), 1);
        grid->addWidget(description, 2 * (port - 1) + 1, 1);
        options_ << option;
        devices_ << device;
        descriptions_ << description;
        connect(device, &QComboBox::editTextChanged, this, [this, port] { ShowDescription(port); });
        ShowDescription(port);
    }
    autoSelect_ = new QCheckBox(QStringLiteral("Automatically select COM port"), box);
    autoSelect_->setObjectName(QStringLiteral("chkAutoSelectComPort"));
    autoSelect_->setChecked(session_.AutoSelectComPort());
    grid->addWidget(autoSelect_, 2 * ComPorts, 0, 1, 2);
    return box;
}

QWidget* frmOptions::BuildCardReader() {
    auto* box = new QGroupBox(QStringLiteral("Card Reader"), this);
    auto* grid = new QGridLayout(box);
    lpt_ = new QComboBox(box);
    lpt_->setObjectName(QStringLiteral("cboLptPort"));
    const QStringList names = {QStringLiteral("0x378 (LPT1)"), QStringLiteral("0x278 (LPT2)")};
    lpt_->addItems(names);
    lpt_->setCurrentIndex(session_.LPTPort() == 2 ? 1 : 0);
    grid->addWidget(new QLabel(QStringLiteral("Port:"), box), 0, 0);
    grid->addWidget(lpt_, 0, 1, 1, 2);
    const linkpod::PortTable& table = session_.Pod().Ports();
    for (int port = 1; port <= ParallelPorts; ++port) {
        auto* folder = new QLineEdit(table.ChosenReaderFolder(port), box);
        folder->setObjectName(QStringLiteral("txtLptFolder%1").arg(port));
        folder->setPlaceholderText(linkpod::PortTable::DefaultReaderFolder(port));
        auto* browse = new QToolButton(box);
        browse->setObjectName(QStringLiteral("cmdLptFolder%1").arg(port));
        browse->setText(QStringLiteral("..."));
        connect(browse, &QToolButton::clicked, this, [this, port] { ChooseFolder(port); });
        grid->addWidget(new QLabel(names.at(port - 1) + QStringLiteral(" folder:"), box), port, 0);
        grid->addWidget(folder, port, 1);
        grid->addWidget(browse, port, 2);
        folders_ << folder;
    }
    return box;
}

void frmOptions::ShowDescription(int port) {
    const QString device = devices_.at(port - 1)->currentText().trimmed();
    QString text;
    for (const SerialPortList::Entry& entry : ports_)
        if (entry.device == device)
            text = entry.description;
    const QString shown = device.isEmpty() ? linkpod::PortTable::DefaultComDevice(port) : device;
    if (text.isEmpty() && !QFileInfo::exists(shown))
        text = QStringLiteral("Not present now");
    descriptions_.at(port - 1)->setText(text);
}

void frmOptions::ChooseFolder(int port) {
    QLineEdit* folder = folders_.at(port - 1);
    const QString chosen =
        QFileDialog::getExistingDirectory(this, QStringLiteral("Card Reader Folder"), folder->text());
    if (!chosen.isEmpty())
        folder->setText(chosen);
}

int frmOptions::SelectedComPort() const {
    for (int i = 0; i < options_.size(); ++i)
        if (options_.at(i)->isChecked())
            return i + 1;
    return 0;
}

int frmOptions::SelectedLPTPort() const {
    return lpt_->currentIndex() + 1;
}

void frmOptions::accept() {
    session_.SetComPort(quint16(SelectedComPort()));
    session_.SetAutoSelectComPort(autoSelect_->isChecked());
    session_.SetLPTPort(quint16(SelectedLPTPort()));
    linkpod::PortTable& table = session_.Pod().Ports();
    for (int port = 1; port <= ComPorts; ++port)
        table.SetComDevice(port, devices_.at(port - 1)->currentText().trimmed());
    for (int port = 1; port <= ParallelPorts; ++port)
        table.SetReaderFolder(port, folders_.at(port - 1)->text().trimmed());
    emit Applied();
    QDialog::accept();
}

} // namespace unitwindows
