#include "unitwindows/TransferSettings.h"

#include <array>
#include <optional>

namespace unitwindows {

namespace {

// Item numbers of the unit's 16-bit slots.
constexpr qint64 HighestNumber = 65535;

struct Kind {
    const char* prefix;
    comm::KindRange comm::TransferSelection::*range;
};

constexpr std::array<Kind, 4> Kinds{{{"Wpt", &comm::TransferSelection::waypoints},
                                     {"Rte", &comm::TransferSelection::routes},
                                     {"Icn", &comm::TransferSelection::icons},
                                     {"Trl", &comm::TransferSelection::trails}}};

QString Name(const char* type, const Kind& kind, const char* part) {
    return QLatin1String(type) + QLatin1String(kind.prefix) + QLatin1String(part);
}

std::optional<comm::KindRange::Choice> ChoiceOf(const QStringList& options, const Kind& kind) {
    std::optional<comm::KindRange::Choice> choice;
    for (const QString& option : options) {
        if (option == Name("opt", kind, "All"))
            choice = comm::KindRange::All;
        else if (option == Name("opt", kind, "None"))
            choice = comm::KindRange::None;
        else if (option == Name("opt", kind, "Range"))
            choice = comm::KindRange::Range;
    }
    return choice;
}

// The 0-based index of the last line of that name, when it is an item number.
std::optional<int> IndexOf(const TransferSettings::Values& values, const QString& name) {
    std::optional<int> index;
    for (const auto& [key, number] : values)
        if (key == name)
            index =
                number >= 1 && number <= HighestNumber ? std::optional<int>(int(number) - 1) : std::nullopt;
    return index;
}

} // namespace

QStringList TransferSettings::Options(const comm::TransferSelection& selection) {
    QStringList options;
    for (const Kind& kind : Kinds) {
        static const char* const parts[] = {"All", "None", "Range"};
        options << Name("opt", kind, parts[(selection.*kind.range).choice]);
    }
    return options;
}

TransferSettings::Values TransferSettings::UpDownValues(const comm::TransferSelection& selection) {
    Values values;
    for (const Kind& kind : Kinds) {
        const comm::KindRange& range = selection.*kind.range;
        // None and an All not yet sized have no numbers worth keeping.
        if (range.last < 0)
            continue;
        values.append({Name("ud", kind, "Min"), range.first + 1});
        values.append({Name("ud", kind, "Max"), range.last + 1});
    }
    return values;
}

comm::TransferSelection TransferSettings::Read(const QStringList& options, const Values& values,
                                               comm::TransferSelection base) {
    for (const Kind& kind : Kinds) {
        const auto choice = ChoiceOf(options, kind);
        if (!choice)
            continue;
        const auto first = IndexOf(values, Name("ud", kind, "Min"));
        const auto last = IndexOf(values, Name("ud", kind, "Max"));
        comm::KindRange& range = base.*kind.range;
        switch (*choice) {
        case comm::KindRange::None:
            range = comm::KindRange::Nothing();
            break;
        case comm::KindRange::All:
            range = {comm::KindRange::All, 0, last.value_or(-1)};
            break;
        case comm::KindRange::Range:
            // A range needs both ends, the first not above the last.
            if (first && last && *first <= *last)
                range = comm::KindRange::Indexes(*first, *last);
            break;
        }
    }
    return base;
}

} // namespace unitwindows
