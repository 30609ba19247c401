#include "mastermap/LayerSelection.h"

#include <QStringList>

namespace mastermap {

LayerSelection LayerSelection::Parse(const QString& text, const CategoryLibrary& library) {
    LayerSelection s;
    for (const QString& group : text.split(u';', Qt::SkipEmptyParts)) {
        const QStringList items = group.trimmed().split(u',');
        if (items[0] == u"Estimate") {
            s.estimate = true;
            continue;
        }
        bool ok = false;
        const int code = items[0].trimmed().toInt(&ok);
        for (qsizetype i = 1; ok && i < items.size(); ++i) {
            bool numeric = false;
            const int category = items[i].trimmed().toInt(&numeric);
            const auto place = numeric ? library.Find(category) : std::nullopt;
            if (place && library.Majors()[place->major].code == code)
                s.categories |= 1ull << category;
        }
    }
    return s;
}

} // namespace mastermap
