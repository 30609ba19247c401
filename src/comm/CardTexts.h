#pragma once

#include <QString>

namespace comm {

// Texts of the card and file lists and of the card commands' results.
namespace CardTexts {

// An entry of the card list: the label in 10 characters and the free space.
QString CardEntry(const QString& label, bool formatted, quint64 capacity, quint64 used);

// An entry of the file list: the name and size; a file with bytes never shows as empty.
QString FileEntry(const QString& name, quint64 size);

// The refusal of a file write start; empty for 0 (started). Code 5 (name not
// acceptable) is retried once with the short name before this is shown.
QString FileWriteStartResult(int code);

// Result of saving the data set to the card's user data file; empty on success, a
// text for every failure.
QString SaveDataResult(int code);
// Result of loading the data set from the card's user data file; empty on success,
// a text for every failure.
QString LoadDataResult(int code);

} // namespace CardTexts

} // namespace comm
