#include "comm/PortChoice.h"

#include <QList>

#include <gtest/gtest.h>

using comm::PortChoice;

TEST(SerialRate, StartsAtTheFastestAndTakesOnlyTheKnownRatesFrom2400) {
    PortChoice p;
    EXPECT_EQ(p.BaudRate(), 115200);
    // Each rate asked for, and the rate kept after it.
    for (const auto& [asked, kept] :
         QList<QPair<int, int>>{{4800, 4800}, {2400, 2400}, {9600, 9600}, {1200, 9600}, {14400, 9600}}) {
        p.SetBaudRate(asked);
        EXPECT_EQ(p.BaudRate(), kept) << asked;
    }
}

TEST(SerialRate, ScanRisesAndWrapsTo4800WithoutChangingTheRate) {
    PortChoice p;
    for (const auto& [from, next] :
         QList<QPair<int, int>>{{38400, 57600}, {57600, 4800}, {115200, 4800}, {2400, 4800}}) {
        p.SetBaudRate(from);
        EXPECT_EQ(p.NextBaudRate(), next) << from;
        EXPECT_EQ(p.BaudRate(), from);
    }
}

TEST(SerialRate, ScanFrom4800VisitsEveryRateOnceBeforeComingBack) {
    PortChoice p;
    p.SetBaudRate(4800);
    QList<qint32> seen;
    do {
        p.SetBaudRate(p.NextBaudRate());
        seen << p.BaudRate();
    } while (p.BaudRate() != 4800 && seen.size() < 20);
    EXPECT_EQ(seen, (QList<qint32>{9600, 19200, 38400, 57600, 4800}));
}

TEST(ComPortChoice, OutOfRangeValuesReadAsCom1AndTheWalkGoesCom1ToCom4) {
    PortChoice p;
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
