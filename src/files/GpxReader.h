#pragma once

#include "files/GpxDocument.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace files {

// Reads GPX 1.0 and 1.1. Elements we do not keep are
// skipped; a document that is not well-formed, or a point without a usable
// position, fails as a whole with a message that names the line.
class GpxReader {
public:
    struct Result {
        GpxDocument document;
        QString error; // empty on success
    };

    static Result Read(QIODevice& in);
    static Result Read(const QByteArray& bytes);
};

} // namespace files
