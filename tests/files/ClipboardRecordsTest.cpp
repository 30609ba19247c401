#include "files/ClipboardRecords.h"
#include "gpsdata/GPSData.h"

#include <gtest/gtest.h>

using files::ClipboardRecords;

// Records and paste go through the list windows' clipboard in the editor
// tests; a text cut off inside a record must still end the parse.
TEST(ClipboardRecordsParse, ATextWithoutRecordsGivesNothingAndEnds) {
    gpsdata::GPSData data;
    for (const QString& text : {QString(), QString("Wpt"), QString("\r\n\r\n"), QString("Trl\t1\t5\tname")})
        EXPECT_LE(ClipboardRecords::Waypoints(data, text).size(), 1u);
}
