#pragma once

#include <cstdint>

namespace linkpod {

// Packet kinds of the unit link. Values are frozen: they are on the wire and
// documented in docs/linkpod-protocol.md. Host requests lie below 0x80, unit
// replies and announcements at 0x80 and above.
enum class Command : std::uint8_t {
    Ack = 0x06,

    Probe = 0x10,
    GetProduct = 0x11,
    GetLimits = 0x12,
    GetMemory = 0x13,

    GetWaypoint = 0x20,
    PutWaypoint = 0x21,
    EraseWaypoint = 0x22,
    GetRoute = 0x23,
    PutRoute = 0x24,
    GetIcon = 0x25,
    PutIcon = 0x26,
    GetIconCount = 0x27,
    PutIconCount = 0x28,
    GetTrailHeader = 0x29,
    GetTrailPoints = 0x2A,
    OpenTrail = 0x2B,
    PutTrailPoints = 0x2C,
    CloseTrail = 0x2D,
    ClearList = 0x2E,
    MakeRouteFromTrail = 0x2F,

    GetCards = 0x40,
    EraseCardFile = 0x41,
    FormatCard = 0x42,
    StartCardFile = 0x43,
    WriteCardFile = 0x44,
    EndCardFile = 0x45,
    ReadCardFile = 0x46,
    AbortCardFile = 0x47,

    GetFlashCount = 0x60,
    GetFlashStatus = 0x61,
    EraseFlash = 0x62,
    ProgramFlash = 0x63,
    ProgramDone = 0x64,

    Result = 0x80,
    Hello = 0x8F,
    Product = 0x90,
    Limits = 0x91,
    CardDevice = 0x92,
    Memory = 0x93,
    Waypoint = 0xA0,
    Route = 0xA1,
    Icon = 0xA2,
    IconCount = 0xA3,
    TrailHeader = 0xA4,
    TrailPoints = 0xA5,
    RouteFromTrail = 0xA6,
    CardList = 0xB0,
    CardFileData = 0xB1,
    FlashCount = 0xC0,
    FlashStatus = 0xC1,
    FlashProgress = 0xC2,
};

// Lists a ClearList request names.
enum class ListKind : std::uint8_t { Waypoints = 0, Routes = 1, Icons = 2, Trails = 3 };

// Link types a Hello announces.
enum class LinkType : std::uint8_t { Standard = 0, Dezav = 1 };

constexpr std::uint16_t BroadcastDevice = 0xFFFF;

// Result codes of the Result packet that are not card write codes.
namespace result {
constexpr std::uint16_t Ok = 0;
constexpr std::uint16_t BadIndex = 0x100;
constexpr std::uint16_t Full = 0x101;
constexpr std::uint16_t BadRequest = 0x102;
constexpr std::uint16_t Unsupported = 0x103;
} // namespace result

} // namespace linkpod
