#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// Readable test failures for Qt texts.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* os) {
    *os << '[' << texts.join("\", \"").toStdString() << ']';
}
