#include "mapbuild/LayersOffList.h"

namespace mapbuild {

namespace {

QString Wrapped(const QString& id) {
    return u'(' + id + u')';
}

} // namespace

bool LayersOffList::Add(const QString& id) {
    if (text_.contains(Wrapped(id)))
        return false;
    text_ += Wrapped(id);
    return true;
}

void LayersOffList::Remove(const QString& id) {
    text_.remove(Wrapped(id));
}

int LayersOffList::Count() const {
    return int(text_.count(u')'));
}

QString LayersOffList::Entry(int i) const {
    qsizetype start = 0;
    for (int n = 0; n <= i; ++n) {
        const qsizetype end = text_.indexOf(u')', start);
        if (end < 0)
            return {};
        if (n == i)
            return text_.mid(start, end - start + 1);
        start = end + 1;
    }
    return {};
}

} // namespace mapbuild
