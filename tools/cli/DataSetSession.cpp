#include "DataSetSession.h"

#include "files/DataSetFiles.h"

#include <QFileInfo>

namespace cli {

DataSetSession::DataSetSession() {
    QObject::connect(&data_, &gpsdata::GPSData::FileError, [this](const QString& m) { messages_ << m; });
    QObject::connect(&data_, &gpsdata::GPSData::Warning, [this](const QString& m) { messages_ << m; });
}

bool DataSetSession::Open(const QString& path, QTextStream& err, const char* command) {
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        err << "terrafold-cli " << command << ": cannot read " << path << '\n';
        return false;
    }
    complete_ = files::DataSetFiles::Open(data_, path);
    return true;
}

bool DataSetSession::Save(const QString& path, QTextStream& err, const char* command) {
    // A position list is written on purpose here, but what it leaves out
    // is said.
    if (!files::DataSetFiles::KeepsWholeDataSet(path) &&
        data_.CountRoutes() + data_.CountIcons() + data_.CountTrails() > 0)
        err << "terrafold-cli " << command << ": " << path << " is a position list: " << data_.CountRoutes()
            << " routes, " << data_.CountIcons() << " icons and " << data_.CountTrails()
            << " trails are not written\n";
    const qsizetype before = messages_.size();
    if (files::DataSetFiles::Save(data_, path))
        return true;
    for (const QString& m : messages_.mid(before))
        err << "terrafold-cli " << command << ": " << QString(m).replace("\r\n", " ") << '\n';
    return false;
}

void DataSetSession::PrintMessages(QTextStream& err, const char* command) const {
    for (const QString& m : messages_)
        err << "terrafold-cli " << command << ": " << QString(m).replace("\r\n", " ") << '\n';
}

} // namespace cli
