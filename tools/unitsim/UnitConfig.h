#pragma once

#include "linkpod/Records.h"

#include <QStringList>

namespace unitsim {

// Everything a run of the emulator is told on its command line.
struct UnitConfig {
    linkpod::ProductInfo product;
    linkpod::UnitLimits limits;
    std::uint16_t deviceId = 0x2A01;
    int rate = 9600;
    bool paced = false;
    bool limitsFirst = false; // send the limits before the product record
    bool dezav = false;
    int partitions = 4;
    std::uint32_t partitionSize = 1u << 20;
    QString flashFile; // where a programmed map is written, for checking
    QStringList cards;
    // Faults, 0 = off.
    int dropReply = 0;      // the Nth packet sent (Acks not counted) is lost once
    int corruptEvery = 0;   // every Nth packet sent gets a flipped byte
    int silentAfter = 0;    // after N packets received, answer nothing
    int vanishAfter = 0;    // after N packets received, close the line and exit
    int strayMessages = 0;  // this many stray messages after identification
    int refuseBlock = 0;    // the Nth map block (flash or card file) is refused
    int refuseWrite = 0;    // the Nth item write (waypoints, routes, icons, trail opens) is refused as full
    int lateReply = 0;      // the reply to the Nth packet received comes after the host gave up on it
    int refuseStart = 0;    // every card file start is refused with this card code
    bool refuseEnd = false; // every card file end is refused and the file dropped
    int loseCardReply = 0;  // the Nth card file request (start, write, end, read) is never answered
};

} // namespace unitsim
