#include "app/Entry.h"
#include "app/SingleInstance.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("terrafold"));
    QApplication::setApplicationDisplayName(QStringLiteral("Terrafold"));
    QApplication::setDesktopFileName(QStringLiteral("terrafold"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/terrafold.svg")));
    app::SingleInstance instance;
    return app::Entry::Run(QApplication::arguments().mid(1), instance);
}
