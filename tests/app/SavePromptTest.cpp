#include "app/SavePrompt.h"

#include "support/RecordingPrompt.h"

#include <optional>

#include <gtest/gtest.h>

using namespace app;
using testing_support::RecordingPrompt;

namespace {

// A document in a given state, the user's answer, and what must follow.
struct Case {
    bool dirty;
    std::optional<ui::Answer> answer; // none: nothing may be asked
    bool saveWorks;
    bool aborts;
    int saves;
};

} // namespace

TEST(SavePromptAnswers, OnlyAChangedDocumentAsksAndOnlyASavedOneGoesOn) {
    const Case cases[] = {
        {false, std::nullopt, true, false, 0},     {true, ui::Answer::No, true, false, 0},
        {true, ui::Answer::Cancel, true, true, 0}, {true, ui::Answer::Yes, true, false, 1},
        {true, ui::Answer::Yes, false, true, 1}, // the save failed
    };
    for (const Case& c : cases) {
        RecordingPrompt prompt;
        if (c.answer)
            prompt.answers = {*c.answer};
        bool dirty = c.dirty;
        int saves = 0;
        const bool aborts = SavePrompt::AbortIfDirty(
            prompt, SavePrompt::MapChangedText(QStringLiteral("/tmp/lake.nmp")), [&] { return dirty; },
            [&] {
                ++saves;
                dirty = !c.saveWorks;
            });
        EXPECT_EQ(aborts, c.aborts) << int(c.answer.value_or(ui::Answer::Ok));
        EXPECT_EQ(saves, c.saves);
        EXPECT_EQ(prompt.shown.size(), c.answer ? 1 : 0);
    }
}
