#pragma once

#include <QList>
#include <QString>

#include <cstdint>

// The records the control keeps and exchanges with a unit, a card and a
// ".usr" file. Symbols are unit codes (program symbol + 10000); times are
// seconds since 1992-01-01 00:00 UTC, the unit's own clock.
namespace linkpod {

struct UserWaypoint {
    std::uint16_t index = 0;
    std::uint16_t symbol = 10000;
    std::uint8_t type = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    float altitude = 0.0f;
    std::uint32_t time = 0;
    QString name;
    QString comment;
    friend bool operator==(const UserWaypoint&, const UserWaypoint&) = default;
};

struct UserRoute {
    std::uint16_t index = 0;
    QString name;
    QList<std::uint16_t> waypoints; // waypoint indexes in route order
    friend bool operator==(const UserRoute&, const UserRoute&) = default;
};

struct UserIcon {
    std::uint16_t index = 0;
    std::uint16_t symbol = 10000;
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const UserIcon&, const UserIcon&) = default;
};

struct TrailPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool continuous = false;
    friend bool operator==(const TrailPoint&, const TrailPoint&) = default;
};

struct UserTrail {
    std::uint16_t index = 0;
    QString name;
    QList<TrailPoint> points;
    friend bool operator==(const UserTrail&, const UserTrail&) = default;
};

// What a unit says about itself when it is identified.
struct ProductInfo {
    QString name;
    std::uint16_t productId = 0;
    std::uint16_t value1 = 0; // hardware revision
    std::uint16_t versionMajor = 0;
    std::uint16_t versionMinor = 0;
    std::uint16_t value2 = 0; // language code
    QString text;             // free description
    friend bool operator==(const ProductInfo&, const ProductInfo&) = default;
};

// Slot counts: a unit with maxWaypoints 500 has waypoint slots 0 to 499.
struct UnitLimits {
    std::uint16_t maxWaypoints = 0;
    std::uint16_t maxIcons = 0;
    std::uint16_t maxRoutes = 0;
    std::uint16_t maxWaypointsPerRoute = 0;
    std::uint16_t maxTrails = 0;
    QList<std::uint16_t> symbols; // unit symbol codes
    // Told by units that know them; a unit that does not keeps the defaults.
    std::uint32_t maxTrailPoints = 0;                    // 0: not told, the unit refuses what it cannot hold
    std::uint16_t maxNameBytes = DefaultNameBytes;       // UTF-8 bytes of a name
    std::uint16_t maxCommentBytes = DefaultCommentBytes; // UTF-8 bytes of a comment
    static constexpr std::uint16_t DefaultNameBytes = 255;
    static constexpr std::uint16_t DefaultCommentBytes = 1024;
    friend bool operator==(const UnitLimits&, const UnitLimits&) = default;
};

// The highest used slot per kind (-1 = none) and the length of the icon list.
struct MemoryStatus {
    std::int32_t lastWaypoint = -1;
    std::int32_t lastRoute = -1;
    std::int32_t lastIcon = -1;
    std::int32_t lastTrail = -1;
    std::uint16_t iconCount = 0;
    friend bool operator==(const MemoryStatus&, const MemoryStatus&) = default;
};

// One partition of a unit's flash memory.
struct FlashSection {
    std::uint16_t number = 0;
    std::uint16_t inUse = 0;
    std::uint16_t status = 0;
    std::uint32_t size = 0;
    std::uint32_t value1 = 0; // start address
    std::uint32_t value2 = 0; // bytes programmed
    QString dataName;
    std::uint32_t value3 = 0; // manufacturer << 8 | data type of the data held
    friend bool operator==(const FlashSection&, const FlashSection&) = default;
};

// One slot of a card device and the card in it.
struct CardSlot {
    std::uint16_t type = 0; // CardSlot::Card when a card is in the slot
    bool formatted = false;
    std::uint64_t capacity = 0;
    std::uint64_t used = 0;
    QString label;
    std::uint16_t maxFiles = 0;
    bool writeProtected = false;
    bool shortNames = false; // only 8.3 file names
    static constexpr std::uint16_t Empty = 0;
    static constexpr std::uint16_t Card = 3;
    friend bool operator==(const CardSlot&, const CardSlot&) = default;
};

struct CardFile {
    QString name;
    std::uint64_t size = 0;
    std::uint16_t type = 0; // see CardFile::Map etc.
    std::uint32_t date = 0; // seconds since 1970-01-01 UTC
    static constexpr std::uint16_t Other = 0;
    static constexpr std::uint16_t Map = 1;
    static constexpr std::uint16_t UserData = 2;
    friend bool operator==(const CardFile&, const CardFile&) = default;
};

// Everything the control knows about the cards of one card device.
struct CardDirectory {
    QList<CardSlot> cardSlots;
    QList<QList<CardFile>> files; // per slot
    friend bool operator==(const CardDirectory&, const CardDirectory&) = default;
};

} // namespace linkpod
