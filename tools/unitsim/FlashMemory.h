#pragma once

#include "UnitMemory.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace unitsim {

// The numbered flash partitions of a unit that uses the Dezav link. A map is
// programmed into a run of partitions erased just before, in blocks of at most
// 512 bytes at addresses counted from the start of the run.
class FlashMemory {
public:
    // A programmed map is also written to `dumpFile` when one is given.
    FlashMemory(int partitions, std::uint32_t partitionSize, const QString& dumpFile = {});

    // The replies to a flash request (an erase reports its progress first),
    // or none when `kind` is no flash request.
    std::vector<Reply> Handle(linkpod::Command kind, linkpod::PayloadReader& in, const UnitMemory& memory);

private:
    std::vector<linkpod::FlashSection> sections_;
    int runFirst_ = -1;
    int runCount_ = 0;
    std::uint32_t programmed_ = 0;
    QByteArray image_; // the map being programmed
    QString dumpFile_;
};

} // namespace unitsim
