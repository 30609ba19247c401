#include "MapFileFixture.h"
#include "SessionFixture.h"

#include "carver/Carver.h"
#include "comm/FlashPartitions.h"
#include "comm/LurchErrorReaction.h"
#include "comm/MapUpload.h"
#include "mapbuild/MapData.h"

using namespace comm_testing;

namespace {

constexpr int PartitionSize = 4096;

// A session with the map window's partition list, the map upload and a
// built map.
class MapToUnit : public SessionFixture, public MapFileFixture {
protected:
    MapToUnit() {
        upload.SetPrompt(&prompt);
        upload.SetProgress(&progress);
        partitions.SetPrompt(&prompt);
        prompt.fallback = ui::Answer::Yes;
        QObject::connect(&upload, &comm::MapUpload::Finished, [this](bool ok) { finished << ok; });
        QObject::connect(&pod, &linkpod::LinkPod::ProgramFlashMemorySent, [this](bool ok) { blocks += ok; });
    }

    void StartDezav(QStringList faults = {}) {
        StartUnit(QStringList{"--dezav", "--partitions", "3", "--partition-size",
                              QString::number(PartitionSize), "--flash-file",
                              dir.filePath("programmed.bin")} +
                      faults,
                  115200);
        session.SetBaudRate(115200);
        ASSERT_TRUE(session.Connect());
        ASSERT_TRUE(WaitFor([this] { return partitions.Lines().size() == 3; }));
    }

    bool SendToPartitions(qsizetype length) {
        map.SetCartridgeFileName(Write("built.ncm", length));
        return partitions.DownloadCartridge({0}) && WaitFor([this] { return !finished.isEmpty(); });
    }

    Carver carver;
    mapbuild::MapData map{carver};
    comm::MapUpload upload{session};
    comm::FlashPartitions partitions{session, map, upload};
    testing_support::RecordingProgress progress;
    QList<bool> finished;
    int blocks = 0;
};

class MapLengths : public MapToUnit, public ::testing::WithParamInterface<int> {};

} // namespace

TEST_P(MapLengths, AMapArrivesInThePartitionsByteForByte) {
    StartDezav();
    const int length = GetParam();
    ASSERT_TRUE(SendToPartitions(length));
    EXPECT_TRUE(finished.last());
    EXPECT_EQ(blocks, (length + 511) / 512);
    EXPECT_TRUE(progress.captions.contains("Transferring Map"));
    // The partitions are listed afresh once the map is in.
    ASSERT_TRUE(WaitFor([this] {
        return partitions.Lines().size() == 3 && partitions.Lines().value(1).endsWith("Custom Map");
    }));
    EXPECT_EQ(Read(dir.filePath("programmed.bin")), bytes);
    EXPECT_TRUE(partitions.Lines().value(2).endsWith("Unused"));
    EXPECT_TRUE(map.FlashDataCompatible(0, 'T', 2));
    EXPECT_FALSE(map.FlashDataCompatible(0, 'X', 2));
}

INSTANTIATE_TEST_SUITE_P(BlockBoundaries, MapLengths, ::testing::Values(512 * 9, 512 * 9 + 1));

TEST_F(MapToUnit, PartitionChecksComeInOrderAndOverwritingIsConfirmed) {
    StartDezav();
    map.SetCartridgeFileName(Write("big.ncm", 3 * PartitionSize + 1));
    EXPECT_FALSE(partitions.DownloadCartridge({0}));
    map.SetCartridgeFileName(Write("two.ncm", PartitionSize + 1));
    EXPECT_FALSE(partitions.DownloadCartridge({}));
    EXPECT_FALSE(partitions.DownloadCartridge({2}));
    EXPECT_EQ(partitions.lstFlashSections_Click({2}).isEmpty(), false);
    prompt.answers = {ui::Answer::No};
    EXPECT_FALSE(partitions.DownloadCartridge({0, 2}));
    const QStringList texts = prompt.Texts();
    ASSERT_EQ(texts.size(), 5);
    EXPECT_TRUE(texts[0].endsWith("  MB.\r\nNot enough memory to store map."));
    EXPECT_EQ(texts[1], "Please select a memory partition to transfer map to.");
    EXPECT_EQ(texts[2], "Try selecting another memory partition.");
    EXPECT_TRUE(texts[3].endsWith("Try selecting another memory partition."));
    EXPECT_EQ(prompt.shown[4].title, "Transfer Map");
    EXPECT_TRUE(texts[4].contains(":\r\n\r\n1   Unused\r\n2   Unused\r\nThis will"));
    EXPECT_FALSE(upload.Pending());
}

TEST_F(MapToUnit, ARefusedPartitionBlockStopsTheUpload) {
    StartDezav({"--refuse-block", "2"});
    ASSERT_TRUE(SendToPartitions(2000));
    EXPECT_FALSE(finished.last());
    EXPECT_TRUE(errors.contains(linkpod::LinkPod::FlashWriteFailed));
    EXPECT_EQ(progress.ended, int(progress.captions.size()));
}

TEST_F(MapToUnit, AUnitVanishingMidMapEndsTheUploadWithNoConnection) {
    StartDezav({"--vanish-after", "12"});
    ASSERT_TRUE(SendToPartitions(8 * 512));
    EXPECT_FALSE(finished.last());
    ASSERT_TRUE(errors.contains(linkpod::LinkPod::ConnectionLost));
    EXPECT_EQ(comm::LurchErrorReaction::For(errors.last(), session.ComPort()).text,
              "No connection on COM 1.");
    EXPECT_LT(blocks, 8);
}
