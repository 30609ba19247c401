#include "CliRun.h"

#include <gtest/gtest.h>

TEST(CliHelp, HelpListsTheCommandsOrShowsTheUsageOfOneAndAnUnknownCommandIsAUsageError) {
    for (const char* help : {"--help", "help", "-h"}) {
        const CliRun run = RunCli({QString::fromLatin1(help)});
        EXPECT_EQ(run.exitCode, 0) << help;
        EXPECT_TRUE(run.out.contains("usage: terrafold-cli COMMAND")) << help;
        EXPECT_TRUE(run.err.isEmpty()) << help;
    }
    const CliRun run = RunCli({"help", "position"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains("--entry LATTEXT LONTEXT"));

    // A missing or unknown command is a usage error.
    const CliRun none = RunCli({});
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_TRUE(none.out.isEmpty());
    EXPECT_TRUE(none.err.contains("usage:"));
    const CliRun unknown = RunCli({"frobnicate"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains("unknown command 'frobnicate'"));
    EXPECT_EQ(RunCli({"help", "frobnicate"}).exitCode, 2);
}
