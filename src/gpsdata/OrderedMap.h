#pragma once

#include <QHash>
#include <QList>
#include <QtGlobal>

#include <memory>
#include <vector>

namespace gpsdata {

// The data set's collections: at most one object per index, iterated in the
// order the objects were added (the list windows and the files keep that order).
// Objects are shared so that undo snapshots and editing windows can hold them
// past their removal from the collection.
template <typename T> class OrderedMap {
public:
    using Pointer = std::shared_ptr<T>;
    struct Entry {
        qint16 key;
        Pointer object;
    };

    int Count() const { return static_cast<int>(m_entries.size()); }
    bool IsEmpty() const { return m_entries.empty(); }
    bool Contains(qint16 key) const { return m_lookup.contains(key); }

    // The object under `key`, nullptr when there is none.
    T* Find(qint16 key) const { return m_lookup.value(key, nullptr); }

    // 0-based position in iteration order, -1 when absent.
    int PositionOf(qint16 key) const {
        if (!Contains(key))
            return -1;
        for (int i = 0; i < Count(); ++i)
            if (m_entries[i].key == key)
                return i;
        return -1;
    }

    T* At(int position) const { return m_entries.at(position).object.get(); }
    qint16 KeyAt(int position) const { return m_entries.at(position).key; }

    // Adds at the end; an object already under `key` is replaced in its place.
    void Insert(qint16 key, Pointer object) {
        const int at = PositionOf(key);
        m_lookup.insert(key, object.get());
        if (at >= 0)
            m_entries[at].object = std::move(object);
        else
            m_entries.push_back({key, std::move(object)});
    }

    // Takes the object out and hands it over (null when absent).
    Pointer Take(qint16 key) {
        const int at = PositionOf(key);
        if (at < 0)
            return nullptr;
        Pointer object = std::move(m_entries[at].object);
        m_entries.erase(m_entries.begin() + at);
        m_lookup.remove(key);
        return object;
    }

    void Clear() {
        m_entries.clear();
        m_lookup.clear();
    }

    // A snapshot, safe to walk while objects are added or removed.
    QList<qint16> Keys() const {
        QList<qint16> keys;
        keys.reserve(Count());
        for (const Entry& e : m_entries)
            keys.append(e.key);
        return keys;
    }

    typename std::vector<Entry>::const_iterator begin() const { return m_entries.begin(); }
    typename std::vector<Entry>::const_iterator end() const { return m_entries.end(); }

private:
    std::vector<Entry> m_entries;
    QHash<qint16, T*> m_lookup;
};

} // namespace gpsdata
