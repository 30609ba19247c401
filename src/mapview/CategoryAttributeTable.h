#pragma once

#include "mapview/CategoryAttributes.h"

#include <array>

namespace mapview {

// The drawing attributes of the 64 map categories. Lookups outside 0 to 63
// throw std::out_of_range.
class CategoryAttributeTable {
public:
    static constexpr int NumCategories = 64;

    CategoryAttributeTable();

    const CategoryAttributes& At(int category) const;
    void SetLineColor(int category, std::int32_t color);
    void SetAreaColor(int category, std::int32_t color);

private:
    CategoryAttributes& Record(int category);

    std::array<CategoryAttributes, NumCategories> records_;
};

} // namespace mapview
