// The default printer's profile string, font size conversions and the File Info lines.
#include "print/printer_device.h"

#include <gtest/gtest.h>

#include "settings/file_info_text.h"

namespace kestrel {
namespace {

TEST(PrinterDevice, ProfileSplitsAtCommasAndTrims) {
    const struct {
        const char* profile;
        bool found;
        const char* device;
        const char* driver;
        const char* port;
    } cases[] = {
        {"PDF,wineps.drv,CUPS:PDF", true, "PDF", "wineps.drv", "CUPS:PDF"},
        {"HP LaserJet, winspool, LPT1:", true, "HP LaserJet", "winspool", "LPT1:"},
        {"  A ,\tB\t, C ", true, "A", "B", "C"},
        {"A,B,C,D", true, "A", "B", "C"},
        {",,,", false, "", "", ""},
        {"", false, "", "", ""},
        {"A,B", false, "", "", ""},
        {"A, ,C", false, "", "", ""},
    };
    for (const auto& c : cases) {
        std::optional<PrinterDevice> device = ParsePrinterDevice(c.profile);
        ASSERT_EQ(device.has_value(), c.found) << c.profile;
        if (device) {
            EXPECT_EQ(device->device, c.device);
            EXPECT_EQ(device->driver, c.driver);
            EXPECT_EQ(device->port, c.port);
        }
    }
}

TEST(PrinterDevice, PointsRoundTripAtTheSameResolution) {
    EXPECT_EQ(PointsToHeight(12, 300), -50);
    EXPECT_EQ(PointsToHeight(12, 96), -16);
    EXPECT_EQ(PointsToHeight(10, 96), -13); // 13.33 rounds down
    EXPECT_EQ(PointsToHeight(9, 96), -12);
    EXPECT_EQ(PointsToHeight(12, 0), 0);
    EXPECT_EQ(HeightToPoints(0, 0), 0);
    for (int dpi : {72, 96, 120, 300, 600}) {
        for (int points = 1; points <= 72; ++points) {
            EXPECT_EQ(HeightToPoints(PointsToHeight(points, dpi), dpi), points) << dpi;
        }
    }
}

TEST(FileInfoText, PrinterLinesOnlyWithAMeasuredPrinter) {
    FileInfoFacts facts;
    facts.lineCount = 3;
    facts.longestLine = 42;
    facts.lineLength = 256;
    facts.visibleColumns = 80;
    facts.visibleLines = 25;
    facts.caretLength = 5;
    facts.caretExpanded = 12;
    facts.printerName = "PDF";
    facts.printerFont = "Courier New";
    facts.printerPoints = 12;
    std::vector<std::string> expected = {"3 lines in file",
                                         "Longest line: 42",
                                         "Longest line allowed: 255",
                                         "80 x 25 window size",
                                         "5 / 12 current length / expanded length",
                                         "DOS text (CR/LF)"};
    EXPECT_EQ(FileInfoLines(facts), expected);
    facts.hasPrinterDc = true; // a DC whose font measures nothing divides by nothing
    EXPECT_EQ(FileInfoLines(facts), expected);
    facts.page = {2479, 3508, 30, 50};
    facts.unixMode = true;
    expected[5] = "Unix text (no CR's)";
    expected.push_back("PDF");
    expected.push_back("Courier New - 12 pt");
    expected.push_back("82 x 70 page size");
    EXPECT_EQ(FileInfoLines(facts), expected);
}

} // namespace
} // namespace kestrel
