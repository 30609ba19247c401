#pragma once

#include <QString>
#include <QStringList>

namespace mapbuild {

// The layers the user switched off, as the concatenation of entries, each an
// identifier in parentheses: "(12)(14:3)".
class LayersOffList {
public:
    // True when the entry was new.
    bool Add(const QString& id);
    void Remove(const QString& id);
    void Clear() { text_.clear(); }
    // The i-th entry (from 0) with its parentheses; empty past the end.
    QString Entry(int i) const;
    int Count() const;
    const QString& Text() const { return text_; }

private:
    QString text_;
};

} // namespace mapbuild
