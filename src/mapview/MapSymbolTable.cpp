#include "mapview/MapSymbolTable.h"

#include "mapview/MapSymbolArt.h"

#include <QStringList>

#include <cmath>
#include <stdexcept>

namespace mapview {

namespace {

// The numbers of records 1 to 60, in order.
constexpr const char* SymbolNumbers[MapSymbolTable::NumSymbols] = {
    "3 16 99 7 9 9 6",     "3 16 999 10 9 12 6", "3 17 99 8 9 9 6",    "3 17 999 11 9 12 6",
    "3 18 99 8 9 9 6",     "3 18 999 11 9 12 6", "3 19 99 8 6 9 6",    "3 19 999 11 6 12 6",
    "3 19 9999 14 6 15 6", "3 20 99 8 6 9 6",    "3 20 999 11 6 12 6", "3 20 9999 14 6 15 6",
    "3 24 99 7 8 9 6",     "3 24 999 10 8 12 6", "3 25 99 7 8 9 6",    "3 25 999 10 8 12 6",
    "3 29 99 7 9 9 6",     "3 29 999 10 9 12 6", "4 1 0 6 10 6 12",    "4 2 0 4 10 4 10",
    "4 3 0 4 10 4 10",     "4 4 0 4 4 4 9",      "4 5 0 5 4 5 8",      "4 6 0 4 4 4 9",
    "4 7 0 4 4 4 9",       "4 20 0 8 7 8 15",    "4 21 0 8 6 8 16",    "4 22 0 6 4 6 12",
    "4 23 0 4 4 4 12",     "4 24 0 4 4 4 12",    "4 25 0 5 5 5 14",    "4 26 0 4 4 4 12",
    "4 27 0 4 4 4 12",     "4 40 0 4 4 4 12",    "4 41 0 3 3 3 10",    "4 60 0 6 6 6 14",
    "4 61 0 6 8 6 17",     "4 62 0 5 6 5 16",    "4 63 0 6 4 6 12",    "4 64 0 6 5 6 14",
    "4 65 0 6 6 6 14",     "4 66 0 6 7 6 15",    "4 67 0 7 4 7 12",    "4 68 0 4 6 4 16",
    "4 80 0 6 5 6 13",     "4 81 0 5 6 5 16",    "4 82 0 6 6 6 16",    "4 83 0 5 6 5 15",
    "4 100 0 5 4 5 11",    "4 101 0 5 4 5 11",   "4 102 0 4 4 4 12",   "4 103 0 4 4 4 12",
    "4 104 0 3 3 3 10",    "4 105 0 4 4 4 12",   "4 106 0 4 4 4 12",   "4 107 0 4 4 4 12",
    "4 108 0 4 4 4 12",    "4 109 0 4 4 4 12",   "4 110 0 4 4 4 12",   "4 111 0 2 3 2 9",
};

constexpr int StripColumns = 10;
constexpr std::int32_t ShieldClass = 3;
constexpr std::int32_t WidestShieldType = 19;
constexpr std::int32_t GenericPointType = 105;
constexpr std::int32_t PointClass = 4;

} // namespace

std::optional<std::array<int, 7>> MapSymbolTable::ParseNumbers(const QString& text) {
    const QStringList fields = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (fields.size() != 7)
        return std::nullopt;
    std::array<int, 7> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        bool ok = false;
        numbers[i] = fields[static_cast<qsizetype>(i)].toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return numbers;
}

MapSymbolTable::MapSymbolTable() {
    std::vector<SymbolArt> arts;
    for (const char* text : SymbolNumbers) {
        const std::array<int, 7> n = *ParseNumbers(QString::fromLatin1(text));
        SymbolObject record;
        record.SymbolClass = n[0];
        record.SymbolType = n[1];
        record.SymbolLimit = static_cast<std::int16_t>(n[2]);
        record.HotX = static_cast<std::int16_t>(n[3]);
        record.HotY = static_cast<std::int16_t>(n[4]);
        record.TextX = static_cast<std::int16_t>(n[5]);
        record.TextY = static_cast<std::int16_t>(n[6]);
        arts.push_back(MapSymbolArt(record));
        records_.push_back(record);
    }
    strip_.emplace(arts, StripColumns, PixelRatio);
    for (std::size_t i = 0; i < records_.size(); ++i) {
        const int cell = static_cast<int>(i);
        records_[i].SymbolImage = strip_->Image(cell);
        records_[i].SymbolMask = strip_->Mask(cell);
        records_[i].SymbolSprite = strip_->Sprite(cell);
    }
}

const SymbolObject& MapSymbolTable::Record(int number) const {
    if (number < 1 || number > NumSymbols)
        throw std::out_of_range("Subscript out of range: no such map symbol");
    return records_[static_cast<std::size_t>(number - 1)];
}

const SymbolObject& MapSymbolTable::GetSymbolPicture(std::int32_t symbolClass, std::int32_t symbolType,
                                                     std::int32_t number) const {
    for (const SymbolObject& record : records_) {
        if (record.SymbolClass == symbolClass && record.SymbolType == symbolType &&
            number <= record.SymbolLimit)
            return record;
    }
    if (symbolClass != ShieldClass)
        return GetSymbolPicture(PointClass, GenericPointType, 0);
    if (symbolType == WidestShieldType) // too many digits: shown divided by ten
        return GetSymbolPicture(ShieldClass, WidestShieldType,
                                static_cast<std::int32_t>(std::nearbyint(number / 10.0)));
    return GetSymbolPicture(ShieldClass, WidestShieldType, number);
}

} // namespace mapview
