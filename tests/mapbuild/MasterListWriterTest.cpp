#include "mapbuild/MasterListWriter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using mapbuild::MasterListWriter;

namespace {

class MasterList : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        for (const char* sub : {"res", "cd1", "cd2"})
            QDir(dir.path()).mkdir(QString::fromLatin1(sub));
    }
    QString Path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    void Put(const QString& name, const QByteArray& bytes) const {
        testing_support::WriteFile(Path(name), bytes);
    }
    QStringList Written(bool allDrives, bool high = false) const {
        const auto result = MasterListWriter(Path("res"), high, {Path("cd1"), Path("cd2")})
                                .Write(Path("user/Out.txt"), allDrives);
        EXPECT_TRUE(result.written);
        QFile f(Path("user/Out.txt"));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        EXPECT_TRUE(text.isEmpty() || text.endsWith("\r\n"));
        return text.split("\r\n", Qt::SkipEmptyParts);
    }

    QTemporaryDir dir;
};

TEST_F(MasterList, FindsEachEntryInTheMasterFolderOrOnTheDrivesAsItsKindAndDetailAllow) {
    Put("res/MasterList.txt", "West.at5\r\n");
    Put("res/West.at5", "x");
    Put("cd1/West.at5", "x");
    EXPECT_EQ(Written(false), QStringList{Path("res/West.at5")});

    // Otherwise the first drive holding the file is used.
    Put("res/MasterList.txt", "West.at5\nEast.AT5\nGone.at5\n");
    Put("res/West.at5", ""); // empty files do not count
    Put("cd1/West.at5", "");
    Put("cd2/West.at5", "x");
    Put("cd1/East.AT5", "x");
    EXPECT_EQ(Written(false), (QStringList{Path("cd2/West.at5"), Path("cd1/East.AT5")}));
    const auto result =
        MasterListWriter(Path("res"), false, {Path("cd1"), Path("cd2")}).Write(Path("user/Out.txt"), false);
    EXPECT_TRUE(result.leftOut);

    // With all drives an entry is written once per drive; without, only map files are taken.
    Put("res/MasterList.txt", "Lib.dat\n");
    EXPECT_EQ(Written(true), (QStringList{Path("cd1/Lib.dat"), Path("cd2/Lib.dat")}));

    Put("res/MasterList.txt", "Lib.dat\nTwo.part.at5\n");
    Put("res/Lib.dat", "x");
    Put("res/Two.part.at5", "x");
    EXPECT_TRUE(Written(false).isEmpty());

    // High detail files only with high detail.
    Put("res/MasterList.txt", "Overlay1.at5\nLargeScaleNE.at5\nBase.at5\n");
    for (const char* name : {"res/Overlay1.at5", "res/LargeScaleNE.at5", "res/Base.at5"})
        Put(QString::fromLatin1(name), "x");
    EXPECT_EQ(Written(false), QStringList{Path("res/Base.at5")});
    EXPECT_EQ(Written(false, true).size(), 3);

    // Overlong and binary lines are skipped.
    Put("res/MasterList.txt", QByteArray(10000, 'a') + ".at5\n" + QByteArray("b\0c.at5\n", 8) + "Ok.at5\n");
    Put("res/Ok.at5", "x");
    EXPECT_EQ(Written(false), QStringList{Path("res/Ok.at5")});
}

// A list that cannot be saved says why; a missing master list is no error.
TEST_F(MasterList, AFailedWriteIsToldAndAMissingMasterListWritesNothing) {
    Put("res/MasterList.txt", "Base.at5\n");
    Put("blocker", "a file where the list's folder should be");
    const auto result = MasterListWriter(Path("res"), false, {}).Write(Path("blocker/Out.txt"), false);
    EXPECT_FALSE(result.written);
    EXPECT_FALSE(result.writeError.isEmpty());
    QFile::remove(Path("res/MasterList.txt"));
    const auto none = MasterListWriter(Path("res"), false, {}).Write(Path("user/None.txt"), true);
    EXPECT_FALSE(none.written);
    EXPECT_TRUE(none.writeError.isEmpty());
    EXPECT_FALSE(QFile::exists(Path("user/None.txt")));
}

} // namespace
