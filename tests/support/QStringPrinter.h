#pragma once

#include <QString>

#include <ostream>

// Lets GoogleTest show QString values as text in its failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
