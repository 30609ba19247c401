#include "comm/PortChoice.h"

#include <QList>

#include <gtest/gtest.h>

using comm::PortChoice;

TEST(SerialRate, OnlyKnownRatesAreKeptTheScanRisesAndWrapsTo4800AndThePortWalkGoesCom1ToCom4) {
    PortChoice p;
    EXPECT_EQ(p.BaudRate(), 115200);
    // Each rate asked for, the rate kept after it and the next one the scan tries.
    struct Row {
        int asked, kept, next;
    };
    for (const Row& r : {Row{4800, 4800, 9600}, Row{2400, 2400, 4800}, Row{1200, 2400, 4800},
                         Row{14400, 2400, 4800}, Row{9600, 9600, 19200}, Row{19200, 19200, 38400},
                         Row{38400, 38400, 57600}, Row{57600, 57600, 4800}, Row{115200, 115200, 4800}}) {
        p.SetBaudRate(r.asked);
        EXPECT_EQ(p.BaudRate(), r.kept) << r.asked;
        EXPECT_EQ(p.NextBaudRate(), r.next) << r.asked;
        EXPECT_EQ(p.BaudRate(), r.kept) << "the scan leaves the rate alone";
    }

    // Out of range ports read as COM1 and the walk goes from COM1 to COM4.
    for (const auto& [set, read] : QList<QPair<int, int>>{{0, 1}, {9, 1}, {8, 8}}) {
        p.SetComPort(set);
        EXPECT_EQ(p.ComPort(), read) << set;
    }
    p.SetComPort(1);
    QList<quint16> walk;
    for (int i = 0; i < 5; ++i) {
        walk << p.ComPort();
        p.SetComPort(p.NextComPort());
    }
    EXPECT_EQ(walk, (QList<quint16>{1, 2, 3, 4, 1}));
}
