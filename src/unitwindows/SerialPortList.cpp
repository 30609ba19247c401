#include "unitwindows/SerialPortList.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

namespace unitwindows {

QString SerialPortList::StableName(const QString& systemLocation, const QString& byIdFolder) {
    const QString target = QFileInfo(systemLocation).canonicalFilePath();
    if (target.isEmpty())
        return systemLocation;
    const QFileInfoList links = QDir(byIdFolder).entryInfoList(QDir::System | QDir::Files, QDir::Name);
    for (const QFileInfo& link : links)
        if (link.isSymLink() && link.canonicalFilePath() == target)
            return link.absoluteFilePath();
    return systemLocation;
}

QList<SerialPortList::Entry> SerialPortList::Available(const QString& byIdFolder) {
    QList<Entry> out;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        const QString location = port.systemLocation();
        QString description = port.description();
        if (!port.manufacturer().isEmpty() && !description.contains(port.manufacturer()))
            description = port.manufacturer() + u' ' + description;
        description = description.trimmed();
        description += (description.isEmpty() ? QString() : QStringLiteral(" ")) + u'(' + location + u')';
        out.append({StableName(location, byIdFolder), description});
    }
    return out;
}

} // namespace unitwindows
