#include "comm/PortChoice.h"

#include <QList>

#include <gtest/gtest.h>

using comm::PortChoice;

TEST(SerialRate, StartsAtTheFastestRate) {
    EXPECT_EQ(PortChoice().BaudRate(), 115200);
}

TEST(SerialRate, CanBeChosenFrom2400Upwards) {
    PortChoice p;
    p.SetBaudRate(4800);
    EXPECT_EQ(p.BaudRate(), 4800);
    p.SetBaudRate(2400);
    EXPECT_EQ(p.BaudRate(), 2400);
}

TEST(SerialRate, RefusesUnknownRatesAnd1200) {
    PortChoice p;
    p.SetBaudRate(9600);
    p.SetBaudRate(1200);
    EXPECT_EQ(p.BaudRate(), 9600);
    p.SetBaudRate(14400);
    EXPECT_EQ(p.BaudRate(), 9600);
}

TEST(SerialRate, ScanRisesAndWrapsTo4800) {
    PortChoice p;
    p.SetBaudRate(38400);
    EXPECT_EQ(p.NextBaudRate(), 57600);
    p.SetBaudRate(57600);
    EXPECT_EQ(p.NextBaudRate(), 4800);
    p.SetBaudRate(115200);
    EXPECT_EQ(p.NextBaudRate(), 4800);
    p.SetBaudRate(2400);
    EXPECT_EQ(p.NextBaudRate(), 4800);
    EXPECT_EQ(p.BaudRate(), 2400) << "asking for the next rate does not change the current one";
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

TEST(ComPortChoice, OutOfRangeValuesReadAsCom1) {
    PortChoice p;
    p.SetComPort(0);
    EXPECT_EQ(p.ComPort(), 1);
    p.SetComPort(9);
    EXPECT_EQ(p.ComPort(), 1);
    p.SetComPort(8);
    EXPECT_EQ(p.ComPort(), 8);
}

TEST(ComPortChoice, NextPortWalksCom1ToCom4) {
    PortChoice p;
    QList<quint16> walk;
    for (int i = 0; i < 5; ++i) {
        walk << p.ComPort();
        p.SetComPort(p.NextComPort());
    }
    EXPECT_EQ(walk, (QList<quint16>{1, 2, 3, 4, 1}));
}

TEST(ParallelPortChoice, IsKeptAsGiven) {
    PortChoice p;
    EXPECT_EQ(p.LPTPort(), 1);
    p.SetLPTPort(2);
    EXPECT_EQ(p.LPTPort(), 2);
    EXPECT_TRUE(p.AutoSelectComPort());
}
