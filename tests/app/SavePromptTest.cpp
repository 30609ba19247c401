#include "app/SavePrompt.h"

#include "support/RecordingPrompt.h"

#include <gtest/gtest.h>

using namespace app;
using testing_support::RecordingPrompt;

namespace {

struct Document {
    bool dirty = true;
    bool saveWorks = true;
    int saves = 0;
    bool Abort(RecordingPrompt& prompt) {
        return SavePrompt::AbortIfDirty(
            prompt, SavePrompt::MapChangedText(QStringLiteral("/tmp/lake.nmp")), [this] { return dirty; },
            [this] {
                ++saves;
                dirty = !saveWorks;
            });
    }
};

} // namespace

TEST(SavePromptText, NamesTheFileOrUntitled) {
    EXPECT_EQ(SavePrompt::MapChangedText(QStringLiteral("/tmp/a.nmp")),
              QStringLiteral("The map in the /tmp/a.nmp file has changed."));
    EXPECT_EQ(SavePrompt::MapChangedText(QString()),
              QStringLiteral("The map in the Untitled file has changed."));
    EXPECT_EQ(SavePrompt::GPSChangedText(QStringLiteral("/tmp/a.usr")),
              QStringLiteral("/tmp/a.usr has changed."));
    EXPECT_EQ(SavePrompt::GPSChangedText(QString()), QStringLiteral("Untitled data file has changed."));
}

TEST(SavePromptAnswers, UnchangedDocumentAsksNothing) {
    RecordingPrompt prompt;
    Document doc;
    doc.dirty = false;
    EXPECT_FALSE(doc.Abort(prompt));
    EXPECT_TRUE(prompt.shown.isEmpty());
}

TEST(SavePromptAnswers, QuestionHasTitleTextAndThreeButtons) {
    RecordingPrompt prompt;
    prompt.answers = {ui::Answer::No};
    Document doc;
    EXPECT_FALSE(doc.Abort(prompt));
    ASSERT_EQ(prompt.shown.size(), 1);
    EXPECT_EQ(prompt.shown[0].title, QStringLiteral("Save File"));
    EXPECT_EQ(
        prompt.shown[0].text,
        QStringLiteral("The map in the /tmp/lake.nmp file has changed.\nDo you wish to save the changes?"));
    EXPECT_EQ(prompt.shown[0].buttons, ui::Buttons::YesNoCancel);
    EXPECT_EQ(doc.saves, 0);
}

TEST(SavePromptAnswers, CancelAborts) {
    RecordingPrompt prompt;
    prompt.answers = {ui::Answer::Cancel};
    Document doc;
    EXPECT_TRUE(doc.Abort(prompt));
    EXPECT_EQ(doc.saves, 0);
}

TEST(SavePromptAnswers, YesSavesAndGoesOn) {
    RecordingPrompt prompt;
    prompt.answers = {ui::Answer::Yes};
    Document doc;
    EXPECT_FALSE(doc.Abort(prompt));
    EXPECT_EQ(doc.saves, 1);
}

TEST(SavePromptAnswers, YesWithAFailedSaveAborts) {
    RecordingPrompt prompt;
    prompt.answers = {ui::Answer::Yes};
    Document doc;
    doc.saveWorks = false;
    EXPECT_TRUE(doc.Abort(prompt));
    EXPECT_EQ(doc.saves, 1);
}
