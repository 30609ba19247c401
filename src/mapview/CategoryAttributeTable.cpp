#include "mapview/CategoryAttributeTable.h"

#include <stdexcept>

namespace mapview {

namespace {

constexpr std::int32_t DashedLine = 4;

} // namespace

CategoryAttributeTable::CategoryAttributeTable() {
    records_[1].LineColor = 9;
    records_[3].AreaStyle = 7;
    records_[4] = {8, DashedLine, 0xAAAA, 1, 0};
    records_[8] = {0, DashedLine, 0xFCFC, 1, 0};
    records_[10] = {0, DashedLine, 0xCCCC, 1, 0};
    records_[12] = {0, DashedLine, 0xAAAA, 1, 0};
    records_[14] = {0, DashedLine, 0xAAAA, 1, 0};
    records_[16] = {0, DashedLine, 0xF0F0, 1, 0};
    records_[25].LineStyle = 256;
    records_[27].LineStyle = 256;
    records_[40] = {4, 512, 0x8080, 1, 0};
    records_[41] = {8, DashedLine, 0xFCFC, 1, 0};
    records_[60].AreaColor = 0;
    records_[60].AreaStyle = 7;
}

const CategoryAttributes& CategoryAttributeTable::At(int category) const {
    if (category < 0 || category >= NumCategories)
        throw std::out_of_range("Subscript out of range: no such map category");
    return records_[static_cast<std::size_t>(category)];
}

CategoryAttributes& CategoryAttributeTable::Record(int category) {
    return const_cast<CategoryAttributes&>(static_cast<const CategoryAttributeTable&>(*this).At(category));
}

void CategoryAttributeTable::SetLineColor(int category, std::int32_t color) {
    Record(category).LineColor = color;
}

void CategoryAttributeTable::SetAreaColor(int category, std::int32_t color) {
    Record(category).AreaColor = color;
}

} // namespace mapview
