#pragma once

#include <QByteArray>
#include <QString>

namespace comm {

// A built map file held in memory while it is sent to the unit in blocks.
class FlashDataObject {
public:
    // Reads the whole file; on failure the image is left empty.
    bool LoadData(const QString& path);

    quint32 DataLength() const { return quint32(image_.size()); }
    // 0 outside the image.
    quint8 DataByte(qint64 index) const;
    // The maker and kind of data recorded in a map header; 0 for images that
    // carry no header.
    quint8 Manufacturer() const { return HeaderByte(24); }
    quint8 DataType() const { return HeaderByte(25); }

    // Copies up to count bytes from start into buffer and returns the number
    // copied (0 at or past the end).
    quint32 GetPacket(char* buffer, quint32 start, quint32 count) const;
    quint32 GetPacket(QByteArray& buffer, quint32 start, quint32 count) const;

private:
    quint8 HeaderByte(int index) const;

    QByteArray image_;
};

} // namespace comm
