#pragma once

namespace editors {
class ListWindows;
}

namespace app {

struct ProgramSettings;

// The open list windows and where they stand in the frame, kept in the
// settings file from one run to the next (in twips, as the file keeps them).
class ListWindowPlaces {
public:
    // Opens a list window for each place the settings hold.
    static void Restore(const ProgramSettings& settings, editors::ListWindows& lists);
    // Puts the places of the open list windows into the settings.
    static void Collect(const editors::ListWindows& lists, ProgramSettings& settings);
};

} // namespace app
