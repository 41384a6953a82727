// The editor's options: defaults, fallbacks for values that do not fit, and the written form.
#include "settings/editor_settings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/settings/memory_settings.h"

namespace kestrel {
namespace {

class EditorSettingsTest : public ::testing::Test {
protected:
    LoadedSettings Load() const { return ReadSettings(store_); }

    MemorySettings store_;
};

// A run with nothing stored.
TEST_F(EditorSettingsTest, NothingStoredGivesEveryDefault) {
    LoadedSettings loaded = Load();
    const EditorSettings& s = loaded.options;
    EXPECT_EQ(s.screenFont.FaceName(), "fixedsys");
    EXPECT_EQ(s.screenFont.pitchAndFamily, 0x23);
    EXPECT_EQ(s.screenFont.height, 0);
    EXPECT_EQ(s.screenFont.weight, 0);
    EXPECT_EQ(s.screenFont.charSet, 0);
    EXPECT_EQ(s.screenFont.width, 0);
    EXPECT_EQ(s.screenFont.italic, 0);
    EXPECT_EQ(s.prnFont, "Courier New");
    EXPECT_EQ(s.prnPitch, 12);
    EXPECT_EQ(s.tmargin, 2);
    EXPECT_EQ(s.lmargin, 0);
    EXPECT_FALSE(s.pagenums);
    EXPECT_EQ(s.color, 0x000000u);
    EXPECT_EQ(s.bkColor, 0xC0C0C0u);
    EXPECT_EQ(s.selectedColor, 0x000000u);
    EXPECT_EQ(s.selectedBkColor, 0x00FFFFu);
    EXPECT_FALSE(s.hideScroll);
    EXPECT_EQ(s.specialChar, 169);
    EXPECT_FALSE(s.readOnly);
    EXPECT_TRUE(s.removeSpaces);
    EXPECT_FALSE(s.indent);
    EXPECT_FALSE(s.update);
    EXPECT_FALSE(s.isoDate);
    EXPECT_EQ(s.bakFile, 0);
    EXPECT_EQ(s.filterIndex, 4);
    EXPECT_EQ(s.lineLength, 256);
    EXPECT_EQ(s.tabSize, 8);
    EXPECT_EQ(s.wheelLines, 20);
    EXPECT_EQ(loaded.initialDir, "");
    EXPECT_TRUE(loaded.keys.isDefault);
    EXPECT_EQ(loaded.keys.table, KeyTable::Defaults());
}

// What start-up uses when the Settings key cannot be opened at all.
TEST(LoadedSettings, UnreadSettingsHoldTheDefaultKeyTable) {
    LoadedSettings unread;
    EXPECT_TRUE(unread.keys.isDefault);
    EXPECT_EQ(unread.keys.table, KeyTable::Defaults());
    EXPECT_EQ(unread.options.lineLength, 256);
}

TEST_F(EditorSettingsTest, StoredValuesOverrideTheirDefaultsOneByOne) {
    store_.SetText(setting::kFont, "Lucida Console");
    store_.SetNumber(setting::kHeight, static_cast<std::uint32_t>(-13));
    store_.SetBytes(setting::kCharset, {204});
    store_.SetNumber(setting::kBkColor, 0x00FFFFFF);
    store_.SetBytes(setting::kIsoDate, {1});
    store_.SetText(setting::kInitialDir, "C:\\texts\\");
    LoadedSettings loaded = Load();
    EXPECT_EQ(loaded.options.screenFont.FaceName(), "Lucida Console");
    EXPECT_EQ(loaded.options.screenFont.height, -13);
    EXPECT_EQ(loaded.options.screenFont.charSet, 204);
    EXPECT_EQ(loaded.options.screenFont.pitchAndFamily, 0x23);
    EXPECT_EQ(loaded.options.bkColor, 0x00FFFFFFu);
    EXPECT_EQ(loaded.options.color, 0u);
    EXPECT_TRUE(loaded.options.isoDate);
    EXPECT_EQ(loaded.initialDir, "C:\\texts\\");
}

TEST_F(EditorSettingsTest, ValuesThatDoNotFitTheirReadKeepTheirDefaults) {
    store_.SetText(setting::kFont, std::string(40, 'x'));
    store_.SetText(setting::kPrnFont, std::string(32, 'y'));
    store_.SetNumber(setting::kRemoveSpaces, 0); // a flag written as a number
    store_.SetNumber(setting::kPitch, 0x31);     // a byte written as a number
    store_.SetBytes(setting::kTabSize, {4});     // a number written as a byte
    store_.SetText(setting::kInitialDir, std::string(260, 'd'));
    LoadedSettings loaded = Load();
    EXPECT_EQ(loaded.options.screenFont.FaceName(), "fixedsys");
    EXPECT_EQ(loaded.options.prnFont, "Courier New");
    EXPECT_TRUE(loaded.options.removeSpaces);
    EXPECT_EQ(loaded.options.screenFont.pitchAndFamily, 0x23);
    EXPECT_EQ(loaded.options.tabSize, 8);
    EXPECT_EQ(loaded.initialDir, "");
}

TEST_F(EditorSettingsTest, LongestTextsThatFitAreRead) {
    store_.SetText(setting::kFont, std::string(31, 'x'));
    store_.SetText(setting::kInitialDir, std::string(259, 'd'));
    LoadedSettings loaded = Load();
    EXPECT_EQ(loaded.options.screenFont.FaceName(), std::string(31, 'x'));
    EXPECT_EQ(loaded.initialDir, std::string(259, 'd'));
}

// One numeric option with a range: its name, the field it fills, the default and the range.
struct RangeCase {
    const char* name;
    std::int32_t EditorSettings::*field;
    std::int32_t defaultValue;
    std::int32_t minimum;
    std::int32_t maximum;
};

void PrintTo(const RangeCase& c, std::ostream* out) {
    *out << c.name;
}

class EditorSettingsRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(EditorSettingsRange, StoredNumberOutsideItsRangeTakesTheDefault) {
    const RangeCase& c = GetParam();
    struct Probe {
        std::int64_t stored;
        bool inRange;
    };
    const Probe probes[] = {{c.minimum, true},         {c.maximum, true}, {c.minimum - 1LL, false},
                            {c.maximum + 1LL, false},  {-1, false},       {0x7FFFFFFF, false},
                            {-0x7FFFFFFF - 1LL, false}};
    for (const Probe& probe : probes) {
        MemorySettings store;
        store.SetNumber(c.name, static_cast<std::uint32_t>(probe.stored));
        EditorSettings s = ReadSettings(store).options;
        std::int32_t expected =
            probe.inRange ? static_cast<std::int32_t>(probe.stored) : c.defaultValue;
        EXPECT_EQ(s.*c.field, expected) << c.name << " stored as " << probe.stored;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, EditorSettingsRange,
    ::testing::Values(RangeCase{setting::kLineLength, &EditorSettings::lineLength, 256, 256, 8192},
                      RangeCase{setting::kTabSize, &EditorSettings::tabSize, 8, 2, 16},
                      RangeCase{setting::kWheelLines, &EditorSettings::wheelLines, 20, 1, 50},
                      RangeCase{setting::kBakFile, &EditorSettings::bakFile, 0, 0, 2},
                      RangeCase{setting::kChar, &EditorSettings::specialChar, 169, 1, 255},
                      RangeCase{setting::kLeftMargin, &EditorSettings::lmargin, 0, 0, 18}));

TEST_F(EditorSettingsTest, NumbersWithoutARangeAreTakenAsStored) {
    store_.SetNumber(setting::kTopMargin, static_cast<std::uint32_t>(-3));
    store_.SetNumber(setting::kFilterIndex, 1);
    store_.SetNumber(setting::kPrnPitch, 10);
    LoadedSettings loaded = Load();
    EXPECT_EQ(loaded.options.tmargin, -3);
    EXPECT_EQ(loaded.options.filterIndex, 1);
    EXPECT_EQ(loaded.options.prnPitch, 10);
}

TEST_F(EditorSettingsTest, WritingStoresEveryOptionWithItsKindInOrder) {
    WriteOptions(store_, EditorSettings{});
    const std::vector<std::string> order = {
        "font",          "prnFont",         "prnPitch",   "tmargin", "lmargin",     "pagenums",
        "pitch",         "charset",         "height",     "weight",  "color",       "bkColor",
        "selectedcolor", "selectedbkcolor", "hidescroll", "char",    "readonly",    "removespaces",
        "indent",        "update",          "IsoDate",    "bakfile", "filterindex", "linelength",
        "tabsize",       "WheelLines"};
    EXPECT_EQ(store_.WriteOrder(), order);
    EXPECT_EQ(store_.Find("font")->kind, ValueKind::Text);
    EXPECT_EQ(store_.Find("font")->bytes,
              (std::vector<std::uint8_t>{'f', 'i', 'x', 'e', 'd', 's', 'y', 's', 0}));
    for (const char* flag : {"pagenums", "hidescroll", "readonly", "removespaces", "indent",
                             "update", "IsoDate", "pitch", "charset"}) {
        EXPECT_EQ(store_.Find(flag)->kind, ValueKind::Binary) << flag;
        EXPECT_EQ(store_.Find(flag)->bytes.size(), 1u) << flag;
    }
    EXPECT_EQ(store_.Find("removespaces")->bytes[0], 1);
    EXPECT_EQ(store_.Find("pitch")->bytes[0], 0x23);
    EXPECT_EQ(store_.Find("bkColor")->kind, ValueKind::Number);
    EXPECT_EQ(store_.Find("bkColor")->bytes, MemorySettings::NumberBytes(0xC0C0C0));
}

TEST_F(EditorSettingsTest, WrittenOptionsReadBackUnchanged) {
    EditorSettings s;
    s.screenFont.SetFaceName("Terminal");
    s.screenFont.height = -19;
    s.screenFont.weight = 700;
    s.screenFont.pitchAndFamily = 0x31;
    s.screenFont.charSet = 255;
    s.prnFont = "Lucida Console";
    s.prnPitch = 9;
    s.tmargin = -3;
    s.lmargin = 18;
    s.pagenums = true;
    s.color = 0x00112233;
    s.bkColor = 0x00FFFFFF;
    s.selectedColor = 0x00FFFFFF;
    s.selectedBkColor = 0x00800000;
    s.hideScroll = true;
    s.specialChar = 255;
    s.readOnly = true;
    s.removeSpaces = false;
    s.indent = true;
    s.update = true;
    s.isoDate = true;
    s.bakFile = 2;
    s.filterIndex = 1;
    s.lineLength = 8192;
    s.tabSize = 2;
    s.wheelLines = 50;
    WriteOptions(store_, s);
    EditorSettings back = Load().options;

    MemorySettings again;
    WriteOptions(again, back);
    for (const std::string& name : store_.WriteOrder()) {
        EXPECT_EQ(again.Find(name)->bytes, store_.Find(name)->bytes) << name;
    }
    EXPECT_EQ(std::memcmp(&back.screenFont, &s.screenFont, sizeof(FontRecord)), 0);
    EXPECT_EQ(back.prnFont, "Lucida Console");
    EXPECT_EQ(back.tmargin, -3);
    EXPECT_FALSE(back.removeSpaces);
    EXPECT_EQ(back.wheelLines, 50);
}

TEST_F(EditorSettingsTest, OptionsWriteNothingBeyondTheOptions) {
    WriteOptions(store_, EditorSettings{});
    for (const char* other : {"initialdir", "KeyCnt", "KeyTable", "flags", "showCmd", "rcNormal"}) {
        EXPECT_EQ(store_.Find(other), nullptr) << other;
    }
}

TEST(FontRecord, FaceNameFillingItsWholeFieldIsNotReadPast) {
    FontRecord font;
    std::memset(font.faceName.data(), 'Z', font.faceName.size());
    EXPECT_EQ(font.FaceName(), std::string(31, 'Z'));

    MemorySettings store;
    EditorSettings s;
    s.screenFont = font;
    WriteOptions(store, s);
    EXPECT_EQ(ReadSettings(store).options.screenFont.FaceName(), std::string(31, 'Z'));
}

TEST(FontRecord, SetFaceNameCutsToThirtyOneCharactersAndClearsTheRest) {
    FontRecord font;
    font.SetFaceName(std::string(40, 'q'));
    EXPECT_EQ(font.FaceName(), std::string(31, 'q'));
    EXPECT_EQ(font.faceName[31], '\0');
    font.SetFaceName("Arial");
    EXPECT_EQ(font.FaceName(), "Arial");
    EXPECT_EQ(font.faceName[5], '\0');
    EXPECT_EQ(font.faceName[6], '\0');
}

TEST_F(EditorSettingsTest, PrinterFaceTooLongToReadBackIsWrittenCut) {
    EditorSettings s;
    s.prnFont = std::string(40, 'p');
    WriteOptions(store_, s);
    EXPECT_EQ(Load().options.prnFont, std::string(31, 'p'));
}

struct SaneFontCase {
    std::int32_t height, width, escapement;
    std::uint8_t pitchAndFamily;
    std::int32_t saneHeight, saneWidth;
    std::uint8_t sanePitchAndFamily;
};

TEST(SaneScreenFont, IsUprightBoundedAndFixedPitchWhateverWasStored) {
    const SaneFontCase cases[] = {
        {-16, 8, 0, 0x31, -16, 8, 0x31},        // a sound record passes unchanged
        {-12, 0, 900, 0x23, -12, 0, 0x21},      // turned on its side; both pitch bits
        {-100000, 7, 2700, 0x22, 0, 7, 0x21},   // a huge height; variable pitch asked for
        {kMaxScreenFontHeight, -1, 1, 0x00, kMaxScreenFontHeight, 0, 0x01},
        {-kMaxScreenFontHeight - 1, 99999, -900, 0x32, 0, 0, 0x31},
    };
    for (const SaneFontCase& c : cases) {
        FontRecord font = DefaultScreenFont();
        font.height = c.height;
        font.width = c.width;
        font.escapement = c.escapement;
        font.orientation = c.escapement;
        font.pitchAndFamily = c.pitchAndFamily;
        const FontRecord sane = SaneScreenFont(font);
        EXPECT_EQ(sane.escapement, 0);
        EXPECT_EQ(sane.orientation, 0);
        EXPECT_EQ(sane.height, c.saneHeight) << c.height;
        EXPECT_EQ(sane.width, c.saneWidth) << c.width;
        EXPECT_EQ(sane.pitchAndFamily, c.sanePitchAndFamily) << int(c.pitchAndFamily);
        EXPECT_EQ(sane.FaceName(), "fixedsys");
    }
}

} // namespace
} // namespace kestrel
