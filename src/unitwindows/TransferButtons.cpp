#include "unitwindows/TransferButtons.h"

#include <QDialog>
#include <QPushButton>

namespace unitwindows {

TransferButtons::TransferButtons(QDialog* window, std::function<void()> download,
                                 std::function<void()> upload)
    : QDialogButtonBox(window) {
    QPushButton* down = addButton(QStringLiteral("&Download"), QDialogButtonBox::ActionRole);
    down->setObjectName(QStringLiteral("btnDownload"));
    QPushButton* up = addButton(QStringLiteral("&Upload"), QDialogButtonBox::ActionRole);
    up->setObjectName(QStringLiteral("btnUpload"));
    addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("btnCancel"));
    connect(down, &QPushButton::clicked, window, std::move(download));
    connect(up, &QPushButton::clicked, window, std::move(upload));
    connect(this, &QDialogButtonBox::rejected, window, &QDialog::reject);
}

} // namespace unitwindows
