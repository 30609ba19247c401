#pragma once

#include "mapbuild/LayerTree.h"
#include "mapbuild/MapCategorySource.h"
#include "mapbuild/MapDetail.h"
#include "mapbuild/OpticalDrives.h"

#include <QList>
#include <QStringList>

// Two major categories: "10" Roads with minors "1" and "2", and "20" Water
// with none; every notice the map definition sends is recorded.
class FakeCategories : public mapbuild::MapCategorySource {
public:
    int MajorCount() const override { return 2; }
    mapbuild::MajorCategory Major(int major) const override {
        if (major == 0)
            return {QStringLiteral("10"), 2, true};
        if (major == 1)
            return {QStringLiteral("20"), 0, true};
        return {};
    }
    void SetMajorState(int major, bool on) override {
        notices << QStringLiteral("major %1 %2").arg(major).arg(on);
    }
    bool MajorSelected(int major, QString& name) const override {
        name = major == 0 ? QStringLiteral("Roads") : QStringLiteral("Water");
        return major == 0;
    }
    mapbuild::MinorCategory Minor(int major, int minor) const override {
        if (major != 0 || minor < 0 || minor > 1)
            return {};
        return {QString::number(minor + 1),
                minor == 0 ? QStringLiteral("Highways") : QStringLiteral("Streets"), minor == 0};
    }
    void SetMinorState(int major, int minor, bool on) override {
        notices << QStringLiteral("minor %1 %2 %3").arg(major).arg(minor).arg(on);
    }
    void SetUsedListPath(const QString& path) override { usedList = path; }

    QStringList notices;
    QString usedList;
};

class FakeTree : public mapbuild::LayerTree {
public:
    void Clear() override { nodes.clear(); }
    void AddMajor(const QString& key, const QString& name, bool on) override {
        nodes << key + u' ' + name + QChar(on ? u'+' : u'-');
    }
    void AddMinor(const QString& majorKey, const QString& key, const QString& name, bool on) override {
        nodes << majorKey + u'/' + key + u' ' + name + QChar(on ? u'+' : u'-');
    }
    void Refresh() override { ++refreshed; }

    QStringList nodes;
    int refreshed = 0;
};

class FakeDetail : public mapbuild::MapDetail {
public:
    bool UseHighDetail() const override { return high; }
    bool DetailValid() const override { return valid; }
    bool high = false;
    bool valid = false;
};

class NoDrives : public mapbuild::OpticalDrives {
public:
    QStringList Roots() const override { return {}; }
};
