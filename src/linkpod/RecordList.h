#pragma once

#include <QList>

#include <algorithm>
#include <cstdint>

namespace linkpod {

// One kind of record of the data store, kept sorted by index. Records are
// reached by index (their slot) or by position k (0..Count()-1, in index
// order), which is how ".usr" files and cards walk them.
template <typename Record> class RecordList {
public:
    void Clear() { items_.clear(); }
    int Count() const { return static_cast<int>(items_.size()); }
    // Record k in index order; a default record when k is out of range.
    Record At(int k) const { return k >= 0 && k < Count() ? items_[k] : Record{}; }
    // Adds the record, or replaces the one with its index.
    void Put(const Record& r) {
        const auto it = LowerBound(r.index);
        if (it != items_.end() && it->index == r.index)
            *it = r;
        else
            items_.insert(it, r);
    }
    const Record* Find(std::uint16_t index) const {
        const auto it = std::lower_bound(items_.cbegin(), items_.cend(), index, Less);
        return it != items_.cend() && it->index == index ? &*it : nullptr;
    }
    bool Erase(std::uint16_t index) {
        const auto it = LowerBound(index);
        if (it == items_.end() || it->index != index)
            return false;
        items_.erase(it);
        return true;
    }
    // Drops every record from `index` on.
    void Truncate(std::uint16_t index) { items_.erase(LowerBound(index), items_.end()); }
    // The highest index held, -1 when empty.
    int LastIndex() const { return items_.isEmpty() ? -1 : items_.back().index; }
    const QList<Record>& All() const { return items_; }

    friend bool operator==(const RecordList&, const RecordList&) = default;

private:
    static bool Less(const Record& r, std::uint16_t index) { return r.index < index; }
    typename QList<Record>::iterator LowerBound(std::uint16_t index) {
        return std::lower_bound(items_.begin(), items_.end(), index, Less);
    }

    QList<Record> items_;
};

} // namespace linkpod
