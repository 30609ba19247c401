#pragma once

#include "mastermap/Feature.h"

#include <QString>

#include <vector>

namespace mastermap {

// Collects features and writes them as one ".at5" file with its grid index.
// The file is written to a temporary name and renamed over the target when
// complete.
class At5Writer {
public:
    void SetHighDetail(bool on) { highDetail_ = on; }
    bool HighDetail() const { return highDetail_; }
    void Add(Feature feature);
    std::size_t Count() const { return features_.size(); }
    const std::vector<Feature>& Features() const { return features_; }
    // The whole file's bytes.
    QByteArray Image() const;
    // Returns an empty text on success, the reason otherwise.
    QString Write(const QString& path) const;

private:
    std::vector<Feature> features_;
    bool highDetail_ = false;
};

} // namespace mastermap
