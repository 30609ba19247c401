#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

// Reading the program's command line: the "/d" option that names the
// installation CD, and the file to open. The same text arrives from a second
// start, so these work on one joined text rather than on the argument list.
namespace app {

// The option token that starts with `key` (compared without case), up to the
// next blank; empty when there is none. A key only counts at the start of a
// word, so a path such as /home/dave/docs is not read as the option /d.
QString GetCommandOption(const QString& text, const QString& key);

// The mount folder of the first optical volume, or empty text.
QString FindFirstCDDrive();

// The CD folder that the options in `text` select: "/dE" gives "E:", "/d"
// followed by a folder gives that folder, otherwise the first optical volume.
QString ParseCommandOptions(const QString& text);

// The existing path as its components are named on disk, found without regard
// to case; empty text when no such file or folder exists. Relative paths are
// taken from the current folder.
QString ResolveLongPath(const QString& path);

// The names a command-line text may give, in the order they are tried: from
// each word on, the longest run of words first (a file name may hold spaces),
// so that of two files named the first is found first.
QStringList CommandNameCandidates(const QString& text);

// The arguments as one command-line text. Arguments naming existing files are
// made absolute, so a running instance with another current folder finds them.
QString JoinCommandLine(const QStringList& arguments, const QDir& current = QDir::current());

} // namespace app
