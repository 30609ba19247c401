#include "mastermap/MasterMapControl.h"

namespace mastermap {

QString MasterMapControl::ReadLibrary(const QString& path) {
    const QString error = library_.Read(path);
    ResetLayers();
    return error;
}

void MasterMapControl::SetUsedList(const QString& listPath) {
    files_.OpenList(listPath);
    present_ = 0;
    for (const auto& file : files_.Files())
        present_ |= file->CategoriesPresent();
}

void MasterMapControl::ResetLayers() {
    majorOn_.assign(library_.Majors().size(), true);
    minorOn_.clear();
    for (const auto& major : library_.Majors())
        minorOn_.emplace_back(major.minors.size(), true);
}

int MasterMapControl::MajorCount() const {
    return static_cast<int>(library_.Majors().size());
}

bool MasterMapControl::ValidMinor(int major, int minor) const {
    return ValidMajor(major) && minor >= 0 &&
           minor < static_cast<int>(library_.Majors()[major].minors.size());
}

MasterMapControl::MajorRecord MasterMapControl::Major(int major) const {
    if (!ValidMajor(major))
        return {};
    const auto& m = library_.Majors()[major];
    bool inUse = false;
    for (const auto& minor : m.minors)
        inUse = inUse || (present_ >> minor.category & 1);
    return {static_cast<int>(m.minors.size()), inUse, m.code, majorOn_[major]};
}

void MasterMapControl::SetMajorState(int major, bool on) {
    if (ValidMajor(major))
        majorOn_[major] = on;
}

bool MasterMapControl::MajorSelected(int major) const {
    const MajorRecord r = Major(major);
    return r.on && r.inUse;
}

QString MasterMapControl::MajorName(int major) const {
    return ValidMajor(major) ? library_.Majors()[major].name : QString();
}

MasterMapControl::MinorRecord MasterMapControl::Minor(int major, int minor) const {
    if (!ValidMinor(major, minor))
        return {};
    const auto& m = library_.Majors()[major].minors[minor];
    return {m.category, minorOn_[major][minor], m.name};
}

void MasterMapControl::SetMinorState(int major, int minor, bool on) {
    if (ValidMinor(major, minor))
        minorOn_[major][minor] = on;
}

void MasterMapControl::SetLayer(const QString& key, bool on) {
    const QStringList parts = key.split(u':');
    bool ok = false;
    const int code = parts[0].toInt(&ok);
    for (int i = 0; ok && i < MajorCount(); ++i) {
        if (library_.Majors()[i].code != code)
            continue;
        if (parts.size() == 1) {
            SetMajorState(i, on);
            return;
        }
        const auto place = library_.Find(parts[1].toInt(&ok));
        if (ok && parts.size() == 2 && place && place->major == i)
            SetMinorState(i, place->minor, on);
        return;
    }
}

QString MasterMapControl::LayerSelection() const {
    QString text;
    for (int i = 0; i < MajorCount(); ++i) {
        if (!MajorSelected(i))
            continue;
        text += QString::number(Major(i).code);
        for (int j = 0; j < Major(i).minorCount; ++j)
            if (Minor(i, j).selected)
                text += u',' + QString::number(Minor(i, j).category);
        text += u';';
    }
    return text;
}

std::uint64_t MasterMapControl::SelectedCategories() const {
    std::uint64_t mask = 0;
    for (int i = 0; i < MajorCount(); ++i)
        for (int j = 0; MajorSelected(i) && j < Major(i).minorCount; ++j)
            if (Minor(i, j).selected)
                mask |= 1ull << Minor(i, j).category;
    return mask;
}

} // namespace mastermap
