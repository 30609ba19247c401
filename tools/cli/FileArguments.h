#pragma once

#include "CliArguments.h"

#include <QHash>
#include <QStringList>

namespace cli {

// A command line of the file commands: `count` file names first, then options.
class FileArguments {
public:
    FileArguments(const QStringList& arguments, int count, const QHash<QString, int>& arity);

    const QStringList& Files() const { return files_; }
    const CliArguments& Options() const { return options_; }

private:
    static QStringList Leading(const QStringList& arguments, int count);

    QStringList files_;
    CliArguments options_;
};

} // namespace cli
