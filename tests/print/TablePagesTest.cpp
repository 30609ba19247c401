#include "PrintFixture.h"

#include "support/RecordingPrompt.h"

using print::PrintOptions;
using testing_support::PdfText;

namespace {

using What = PrintOptions::What;

using TablePages = PrintFixture;

TEST_F(TablePages, TheSectionHeaderAndTheRowsOfWaypointsAndIconsSitOnTheGridColumns) {
    AddWaypoints(3);
    ASSERT_EQ(Print(Options(What::Waypoints, Indexes(3))).sheets, 1);
    const PdfText pdf(path);
    ASSERT_EQ(pdf.pages.size(), 1);
    const PdfText::Page& page = pdf.pages[0];
    const auto title = page.Find("Waypoints");
    EXPECT_NEAR(page.Column(title), 5, 0.1);
    EXPECT_NEAR(page.Row(title), 2, 0.25);
    const int columns[] = {5, 13, 28, 41};
    const char* captions[] = {"Number", "Name", "Latitude", "Longitude"};
    for (int i = 0; i < 4; ++i) {
        const auto caption = page.Find(captions[i]);
        EXPECT_NEAR(page.Column(caption), columns[i], 0.1) << captions[i];
        EXPECT_NEAR(page.Row(caption), 4, 0.25) << captions[i];
    }
    // The number is the index + 1, the positions are texts of the data set's format.
    EXPECT_EQ(page.RowWords(5).first(), "1");
    EXPECT_EQ(page.RowWords(5).mid(1).join(' '), "Camp0 N 38°00.000' W 96°00.000'");
    // A single page carries no page number.
    EXPECT_TRUE(page.RowWords(41).isEmpty());

    data.AddLurchIcon(3, geo::LongitudeToX(10.5), geo::LatitudeToY(-20.25), 4);
    data.AddLurchIcon(9, geo::LongitudeToX(11), geo::LatitudeToY(-21), 1);
    Print(Options(What::Icons, {3, 9}));
    const PdfText icons(path);
    const PdfText::Page& iconPage = icons.pages[0];
    EXPECT_EQ(iconPage.RowWords(2), QStringList({"Icons"}));
    EXPECT_EQ(iconPage.RowWords(5), QStringList({"4", "S", "20°15.000'", "E", "10°30.000'"}));
    EXPECT_NEAR(iconPage.Column(iconPage.Find("S")), 18, 0.1); // the icon table's own columns
    EXPECT_EQ(iconPage.RowWords(6).first(), "10");
}

// Thirty-five rows fill a page and the thirty-sixth starts the next under
// the continued title; a range sends only its pages, with the rows the full
// print puts on them, and the progress shows each; cancel stops after the row.
TEST_F(TablePages, RowsFillPagesOfThirtyFiveAndARangeSendsOnlyItsPagesAsTheFullPrintHasThem) {
    AddWaypoints(80);
    EXPECT_EQ(Print(Options(What::Waypoints, Indexes(35))).sheets, 1);
    EXPECT_EQ(PdfText::PageCount(path), 1);
    EXPECT_EQ(PdfText(path).pages[0].RowWords(39).value(1), "Camp34");

    const print::PrintResult all = Print(Options(What::Waypoints, Indexes(80)), "all.pdf");
    EXPECT_EQ(all.pages, 3);
    EXPECT_EQ(all.sheets, 3);
    const PdfText full(path);
    ASSERT_EQ(full.pages.size(), 3);
    const PdfText::Page& second = full.pages[1];
    EXPECT_EQ(second.RowWords(2), QStringList({"Waypoints", "(Continued)"}));
    EXPECT_EQ(second.RowWords(4), QStringList({"Number", "Name", "Latitude", "Longitude"}));
    EXPECT_EQ(second.RowWords(5).value(1), "Camp35");
    const auto number = second.Find("2");
    EXPECT_NEAR(second.Column(number), 39, 0.1);
    EXPECT_NEAR(second.Row(number), 41, 0.25);

    testing_support::RecordingProgress progress;
    const print::PrintResult range =
        Print(Options(What::Waypoints, Indexes(80), 2, 3), "range.pdf", &progress);
    EXPECT_EQ(range.pages, 3);
    EXPECT_EQ(range.sheets, 2);
    EXPECT_EQ(progress.texts, QStringList({"Now printing page 2 of 3", "Now printing page 3 of 3"}));
    const PdfText part(path);
    ASSERT_EQ(part.pages.size(), 2);
    for (int row = 0; row < 45; ++row)
        EXPECT_EQ(part.pages[0].RowWords(row), full.pages[1].RowWords(row)) << "row " << row;
    EXPECT_EQ(part.pages[1].RowWords(5).value(1), "Camp70");

    progress.cancel = true;
    const print::PrintResult cancelled = Print(Options(What::Waypoints, Indexes(80)), "out.pdf", &progress);
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_EQ(cancelled.sheets, 1);
    const PdfText pdf(path);
    EXPECT_EQ(pdf.pages[0].RowWords(5).value(1), "Camp0");
    EXPECT_TRUE(pdf.pages[0].RowWords(6).isEmpty());
}

TEST_F(TablePages, RoutesAreSectionsTwoRowsApartAndOneThatWouldStartOnRowThirtySixOrBelowGoesToTheNextPage) {
    AddWaypoints(40);
    data.AddRoute(0, "Short", {0, 1, 2});
    data.AddRoute(4, "Long", Indexes(40));
    data.AddRoute(7, "Last", {5, 6});
    const print::PrintResult result = Print(Options(What::Routes, {0, 4, 7}));
    const PdfText pdf(path);
    ASSERT_EQ(pdf.pages.size(), 2);
    const PdfText::Page& first = pdf.pages[0];
    EXPECT_EQ(first.RowWords(2), QStringList({"Route", "1:", "Short"}));
    EXPECT_EQ(first.RowWords(7).value(1), "Camp2");
    // Rows 5-7 hold the first route; two rows on, the next section begins.
    EXPECT_EQ(first.RowWords(10), QStringList({"Route", "5:", "Long"}));
    EXPECT_EQ(first.RowWords(13).value(1), "Camp0");
    EXPECT_EQ(first.RowWords(39).value(1), "Camp26");
    const PdfText::Page& second = pdf.pages[1];
    EXPECT_EQ(second.RowWords(2), QStringList({"Route", "5:", "Long", "(Continued)"}));
    EXPECT_EQ(second.RowWords(5).value(1), "Camp27");
    EXPECT_EQ(second.RowWords(17).value(1), "Camp39");
    // The long route ends on row 17; the last section follows on row 20.
    EXPECT_EQ(second.RowWords(20), QStringList({"Route", "8:", "Last"}));
    EXPECT_EQ(result.sheets, 2);

    // A section that would start on row 36 or below goes to the next page.
    data.Route(0)->SetWaypoints(Indexes(29)); // rows 5 to 33
    data.AddRoute(1, "Next", {0});
    Print(Options(What::Routes, {0, 1}));
    const PdfText low(path);
    ASSERT_EQ(low.pages.size(), 2);
    EXPECT_EQ(low.pages[0].RowWords(33).value(1), "Camp28");
    EXPECT_EQ(low.pages[1].RowWords(2), QStringList({"Route", "2:", "Next"}));

    data.Route(0)->SetWaypoints(Indexes(28)); // ends on row 32: the next title fits on row 35
    Print(Options(What::Routes, {0, 1}));
    const PdfText one(path);
    ASSERT_EQ(one.pages.size(), 1);
    EXPECT_EQ(one.pages[0].RowWords(35), QStringList({"Route", "2:", "Next"}));
}

} // namespace
