#pragma once

#include "editors/ListWindow.h"
#include "gpsdata/GPSData.h"

#include <functional>

namespace editors {

// How a list window reaches the objects of its kind in the data set: the
// collection, finding and deleting one by index, pasting text records as new
// objects, the name (none for a kind without names) and the item editor's
// opener in the context (none: editing renames in place).
template <class Object> struct ObjectAccess {
    const gpsdata::OrderedMap<Object>& (gpsdata::GPSData::*collection)() const;
    Object* (gpsdata::GPSData::*find)(qint16) const;
    void (gpsdata::GPSData::*remove)(qint16);
    QList<qint16> (*paste)(gpsdata::GPSData&, const QString&);
    QString (Object::*name)() const = nullptr;
    void (Object::*rename)(const QString&) = nullptr;
    std::function<void(qint16)> EditorContext::*open = nullptr;
};

// A list window over one collection of the data set. What the four lists do
// alike with their objects is here; a list adds how its row reads and, when
// it lists only some of the collection, which objects it keeps.
template <class Object> class ObjectListWindow : public ListWindow {
public:
    QList<qint16> InsertRecords(const QString& text) override { return access_.paste(data_, text); }

protected:
    ObjectListWindow(EditorContext& context, ListWindowSpec spec, ObjectAccess<Object> access,
                     QWidget* parent)
        : ListWindow(context, std::move(spec), parent), access_(access) {}

    // Whether an object of the collection belongs in this list; all do
    // unless a list says otherwise.
    virtual bool Keeps(const Object&) const { return true; }
    // The listed object of an index, nullptr when it is gone or not listed.
    Object* Find(qint16 index) const {
        Object* object = (data_.*access_.find)(index);
        return object && Keeps(*object) ? object : nullptr;
    }

    QList<qint16> ListedIndexes() const override {
        QList<qint16> indexes;
        for (const auto& entry : (data_.*access_.collection)())
            if (Keeps(*entry.object))
                indexes << entry.key;
        return indexes;
    }
    bool Listed(qint16 index) const override { return Find(index) != nullptr; }
    QString RecordText(qint16 index) const override { return Find(index)->MakeString(); }
    // GCC's dynamic-type check of this call through a member-function
    // pointer tests an address below the object, not the object, and
    // reports a fault that is not there (memcheck finds none): that one
    // check is left out here.
    __attribute__((no_sanitize("vptr"))) void DeleteObject(qint16 index) override {
        (data_.*access_.remove)(index);
    }
    QString ObjectName(qint16 index) const override {
        return access_.name ? (Find(index)->*access_.name)() : QString();
    }
    void Rename(qint16 index, const QString& name) override {
        if (access_.rename)
            (Find(index)->*access_.rename)(name);
    }
    void OpenEditor(qint16 index) override {
        if (!access_.open)
            return ListWindow::OpenEditor(index);
        if (const auto& open = context_.*access_.open)
            open(index);
    }

private:
    ObjectAccess<Object> access_;
};

} // namespace editors
