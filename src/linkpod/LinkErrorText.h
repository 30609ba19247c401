#pragma once

#include "linkpod/Command.h"

#include <QString>

#include <cstdint>

namespace linkpod {

// The words for a request the unit refused or left unanswered, so that the
// user reads what went wrong and with which item rather than a bare code.
// Items are numbered from 1, as the program's lists show them.
class LinkErrorText {
public:
    // `item` is the index the refusal is about (the Result's value, or the
    // trail being written for the trail requests).
    static QString Refused(Command request, std::uint16_t code, std::uint32_t item);
    static QString Unanswered();

private:
    // "waypoint number 5", "the number of icons", ...
    static QString Subject(Command request, std::uint32_t item);
};

} // namespace linkpod
