#include "LinkPodFixture.h"

using namespace linkpod;
using namespace linkpod_testing;

class Dezav : public LinkPodFixture {
protected:
    void SetUp() override {
        StartUnit({"--dezav", "--partitions", "3", "--partition-size", "4096"});
        QObject::connect(&pod, &LinkPod::NumFlashSections, [this](int n) { sections = n; });
        QObject::connect(&pod, &LinkPod::FlashSectionStatus, [this](const FlashSection& s) { status << s; });
        QObject::connect(&pod, &LinkPod::ProgressFlash, [this](float p) { progress << p; });
        QObject::connect(&pod, &LinkPod::FlashErased, [this] { erased = true; });
        QObject::connect(&pod, &LinkPod::ProgramFlashMemorySent, [this](bool ok) { blocks << ok; });
        pod.SetBaudRate(9600);
        ASSERT_TRUE(pod.WatchComPort(1));
        ASSERT_TRUE(WaitFor([this] { return lurch && sections >= 0; }));
    }
    int sections = -1;
    QList<FlashSection> status;
    QList<float> progress;
    bool erased = false;
    QList<bool> blocks;
};

TEST_F(Dezav, AMapIsErasedThenProgrammedInBlocksAndListedInItsPartition) {
    EXPECT_FALSE(connected) << "a Dezav unit is found, not connected";
    ASSERT_EQ(sections, 3);
    pod.EraseFlash(0, 2);
    ASSERT_TRUE(WaitFor([this] { return erased; }));
    EXPECT_EQ(progress.back(), 100.0f);
    for (std::uint32_t at = 0; at < 5000; at += 512)
        ASSERT_TRUE(pod.ProgramFlash(at, QByteArray(int(std::min<std::uint32_t>(512, 5000 - at)), 'x')));
    EXPECT_FALSE(pod.ProgramFlash(0, QByteArray(513, 'x')));
    ASSERT_TRUE(WaitFor([this] { return blocks.size() == 10; }));
    EXPECT_FALSE(blocks.contains(false));
    pod.FlashProgramDone();
    for (int i = 0; i < sections; ++i)
        pod.ReadFlashSectionStatus(i);
    ASSERT_TRUE(WaitFor([this] { return status.size() == 3; }));
    EXPECT_EQ(status[1].inUse, 1);
    EXPECT_EQ(status[1].value2, 5000u);
    EXPECT_EQ(status[2].number, 2);
    EXPECT_EQ(status[2].size, 4096u);
    EXPECT_EQ(status[2].inUse, 0);
}
