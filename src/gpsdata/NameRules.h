#pragma once

#include <QString>

namespace gpsdata {

// How object names are made and cleaned. Automatic names end in "*" so that
// they can follow an object to a new slot (pasting); the unit accepts only a
// small upper-case character set; the lists show names in a readable mixed case.
class NameRules {
public:
    // The characters a name may keep: the sectioned files' printable ASCII,
    // or every printable character, for names the unit link and its user
    // data files carry in UTF-8.
    enum class Alphabet { Ascii, Any };

    // "Wpt", 0 -> "Wpt 001*".
    static QString AutoName(const QString& name, int newIndex);
    // Renumbers an automatic name for a new index; other names stay as they are.
    static QString TranslateName(const QString& name, int newIndex);
    // Upper case, at most `maxlen` characters, unit-illegal characters as spaces.
    static QString FixName(const QString& name, int maxlen);
    // Printable characters of the alphabet only, words capitalised, ordinal
    // endings after digits in lower case ("22ND ST" -> "22nd St"), trimmed.
    static QString DisplayName(const QString& name, Alphabet alphabet = Alphabet::Ascii);

private:
    // newIndex + 1 with at least three digits, then "*".
    static QString Number(int newIndex);
};

} // namespace gpsdata
