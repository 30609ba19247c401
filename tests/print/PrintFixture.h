#pragma once

#include "support/GuiApplication.h"
#include "support/PdfText.h"
#include "support/QStringPrinter.h"

#include "geo/Coordinates.h"
#include "gpsdata/GPSData.h"
#include "print/MapPage.h"
#include "print/PdfFile.h"
#include "print/PrintJob.h"

#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A data set in memory printed to PDF files in a temporary folder, and read
// back with poppler.
class PrintFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testing_support::StartGuiApplication(); }

    // Waypoints 0 .. count-1 named "WPT<n>", a little apart from each other.
    void AddWaypoints(int count, int first = 0) {
        for (int i = first; i < first + count; ++i)
            data.AddWaypoint(qint16(i), geo::LongitudeToX(-96 + i * 0.01), geo::LatitudeToY(38 + i * 0.01), 0,
                             QStringLiteral("Camp%1").arg(i), 0, 0, 0);
    }

    print::PrintResult Print(const print::PrintOptions& options, const QString& name = "out.pdf",
                             ui::Progress* progress = nullptr) {
        print::PrintResult result;
        path = dir.filePath(name);
        const QString failure = print::PdfFile::Write(path, [&](QPdfWriter& writer) {
            print::PrintJob job(data, options);
            job.SetMap(map, mapName);
            result = job.Print(writer, progress);
            return QString();
        });
        EXPECT_EQ(failure, "");
        return result;
    }

    static print::PrintOptions Options(print::PrintOptions::What what, QList<qint16> items, int first = 1,
                                       int last = 1000) {
        print::PrintOptions o;
        o.what = what;
        o.items = std::move(items);
        o.range = {first, last};
        return o;
    }

    static QList<qint16> Indexes(int count, int first = 0) {
        QList<qint16> out;
        for (int i = first; i < first + count; ++i)
            out << qint16(i);
        return out;
    }

    QTemporaryDir dir;
    QString path;
    gpsdata::GPSData data;
    // The map and its name for map prints.
    const print::MapPage* map = nullptr;
    QString mapName;
};
