#pragma once

#include "../support/TestFiles.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>

namespace comm_testing {

// A built map file of a given length in a temporary folder: a map header
// (maker 'T', vector map) and then bytes that differ from block to block.
class MapFileFixture {
public:
    QString Write(const QString& name, qsizetype length) {
        bytes = QByteArray(length, '\0');
        for (qsizetype i = 0; i < length; ++i)
            bytes[i] = char((i * 7 + i / 512) & 0xFF);
        if (length > 25) {
            bytes[0] = char(0x55);
            bytes[1] = char(0xAA);
            bytes[24] = 'T';
            bytes[25] = 0x02;
        }
        // absolute names stay as they are
        return testing_support::WriteFile(QDir(dir.path()).filePath(name), bytes);
    }

    static QByteArray Read(const QString& path) { return testing_support::ReadFile(path); }

    QTemporaryDir dir;
    QByteArray bytes;
};

} // namespace comm_testing
