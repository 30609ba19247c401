#include "FileArguments.h"

#include "CliCommand.h"

namespace cli {

FileArguments::FileArguments(const QStringList& arguments, int count, const QHash<QString, int>& arity)
    : files_(Leading(arguments, count)), options_(arguments.mid(count), arity) {}

QStringList FileArguments::Leading(const QStringList& arguments, int count) {
    const QStringList files = arguments.mid(0, count);
    if (files.size() < count)
        throw UsageError(count == 1 ? "a file name is needed" : "two file names are needed");
    for (const QString& file : files)
        if (file.startsWith("--"))
            throw UsageError("file names come before the options, not '" + file.toStdString() + "'");
    return files;
}

} // namespace cli
