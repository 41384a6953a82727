// Key names and the texts of bindings' keys.
#include "keys/key_names.h"

#include <gtest/gtest.h>

#include <string>

#include "keys/key_table.h"

namespace kestrel {
namespace {

KeyBinding Keys(std::uint32_t k1, std::uint32_t k2 = 0, std::uint32_t k3 = 0) {
    return KeyBinding{0, KeyCode(k1), KeyCode(k2), KeyCode(k3)};
}

struct NameCase {
    std::uint16_t virtualKey;
    const char* name;
};

class KeyNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(KeyNameTest, NamesTheKey) {
    EXPECT_EQ(KeyName(GetParam().virtualKey), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    KeyNames, KeyNameTest,
    ::testing::Values(
        NameCase{0x08, "Backspace"}, NameCase{0x09, "Tab"}, NameCase{0x0D, "Enter"},
        NameCase{0x1B, "Esc"}, NameCase{0x20, "Space"}, NameCase{0x21, "PageUp"},
        NameCase{0x22, "PageDown"}, NameCase{0x23, "End"}, NameCase{0x24, "Home"},
        NameCase{0x25, "Arrow left"}, NameCase{0x26, "Arrow up"}, NameCase{0x27, "Arrow right"},
        NameCase{0x28, "Arrow down"}, NameCase{0x2D, "Insert"}, NameCase{0x2E, "Delete"},
        NameCase{0x30, "0"}, NameCase{0x39, "9"}, NameCase{0x41, "A"}, NameCase{0x5A, "Z"},
        NameCase{0x70, "F1"}, NameCase{0x79, "F10"}, NameCase{0x7B, "F12"}, NameCase{0xBA, ";"},
        NameCase{0xBB, "="}, NameCase{0xBC, ","}, NameCase{0xBD, "-"}, NameCase{0xBE, "."},
        NameCase{0xBF, "/"}, NameCase{0xC0, "`"}, NameCase{0xDB, "["}, NameCase{0xDC, "\\"},
        NameCase{0xDD, "]"}, NameCase{0xDE, "'"},
        // Keys without a name.
        NameCase{0x00, ""}, NameCase{0x10, ""}, NameCase{0x2F, ""}, NameCase{0x3A, ""},
        NameCase{0x40, ""}, NameCase{0x5B, ""}, NameCase{0x60, ""}, NameCase{0x6F, ""},
        NameCase{0x7C, ""}, NameCase{0xDF, ""}, NameCase{0xFFFF, ""}));

// The keys of every default binding, row by row.
const char* const kDefaultKeyTexts[KeyTable::kDefaultCount] = {
    "Arrow left    ",
    "Arrow right    ",
    "Arrow down    ",
    "Arrow up    ",
    "Ctrl+PageUp    ",
    "Ctrl+Q  Ctrl+R  ",
    "Ctrl+PageDown    ",
    "Ctrl+Q  Ctrl+C  ",
    "PageUp    ",
    "PageDown    ",
    "Home    ",
    "End    ",
    "Backspace    ",
    "Ctrl+Y    ",
    "Delete    ",
    "F3    ",
    "Ctrl+N    ",
    "F2    ",
    "    ",
    "Alt+X    ",
    "Insert    ",
    "F5    ",
    "Ctrl+X    ",
    "Ctrl+C    ",
    "Ctrl+V    ",
    "Ctrl+Q  Ctrl+F  ",
    "Ctrl+L    ",
    "Ctrl+Q  Ctrl+N  ",
    "F9    ",
    "Ctrl+Q  Ctrl+L  ",
    "F7    ",
    "F8    ",
    "Ctrl+K  Ctrl+B  ",
    "Ctrl+K  Ctrl+K  ",
    "Ctrl+Q  Ctrl+B  ",
    "Ctrl+Q  Ctrl+K  ",
    "Ctrl+K  Ctrl+H  ",
    "Ctrl+K  Ctrl+R  ",
    "Ctrl+K  Ctrl+W  ",
    "Ctrl+K  Ctrl+Y  ",
    "Ctrl+K  Ctrl+P  ",
    "Ctrl+Z    ",
    "Alt+Backspace    ",
    "Shift+Ctrl+Z    ",
    "Ctrl+Q  Ctrl+A  ",
};

class DefaultKeyTextTest : public ::testing::TestWithParam<std::size_t> {};

TEST_P(DefaultKeyTextTest, FormatsTheDefaultBinding) {
    std::size_t row = GetParam();
    EXPECT_EQ(FormatBindingKeys(KeyTable::DefaultBindings()[row]), kDefaultKeyTexts[row]);
}

INSTANTIATE_TEST_SUITE_P(DefaultRows, DefaultKeyTextTest,
                         ::testing::Range<std::size_t>(0, KeyTable::kDefaultCount));

TEST(KeyNames, ModifiersAppearInShiftCtrlAltOrder) {
    EXPECT_EQ(FormatBindingKeys(Keys(0xF0070)), "Shift+Ctrl+Alt+F1    ");
    EXPECT_EQ(FormatBindingKeys(Keys(0x70070)), "Shift+Ctrl+F1    ");
    EXPECT_EQ(FormatBindingKeys(Keys(0xB0073)), "Shift+Alt+F4    ");
}

TEST(KeyNames, ThreeKeysHaveNoSeparatorAfterTheLast) {
    EXPECT_EQ(FormatBindingKeys(Keys(0x5004B, 0x50050, 0x10070)), "Ctrl+K  Ctrl+P  F1");
}

TEST(KeyNames, UnnamedKeyStopsFormattingAfterItsPrefixes) {
    // Ctrl+F13: "Ctrl+" and nothing more, not even the separator or the keys after it.
    EXPECT_EQ(FormatBindingKeys(Keys(0x5007C, 0x50042)), "Ctrl+");
    EXPECT_EQ(FormatBindingKeys(Keys(0x5004B, 0x10060, 0x10070)), "Ctrl+K  ");
    EXPECT_EQ(FormatBindingKeys(Keys(0x5004B, 0x50042, 0x1007C)), "Ctrl+K  Ctrl+B  ");
}

TEST(KeyNames, KeyWithoutPresentBitShowsOnlyItsModifiers) {
    // Damaged stored words: the name is looked up only for a present key.
    EXPECT_EQ(FormatBindingKeys(Keys(0x40000, 0x10041)), "Ctrl+  A  ");
    EXPECT_EQ(FormatBindingKeys(Keys(0x0007C)), "    ");
}

TEST(KeyNames, AppendKeepsExistingText) {
    std::string text = "Copy\t";
    AppendBindingKeys(text, Keys(0x50043));
    EXPECT_EQ(text, "Copy\tCtrl+C    ");
}

TEST(KeyNames, RecorderRowIsNameTabKeys) {
    KeyBinding markBegin = KeyTable::DefaultBindings()[32];
    EXPECT_EQ(RecorderRowText(markBegin), "Mark begin\tCtrl+K  Ctrl+B  ");
    KeyBinding keyless{ToIndex(CommandId::SaveAs), KeyCode(), KeyCode(), KeyCode()};
    EXPECT_EQ(RecorderRowText(keyless), "Save As\t    ");
}

TEST(KeyNames, RecorderRowIsCutToItsLimit) {
    KeyBinding longest{ToIndex(CommandId::ToggleWindowSize), KeyCode(0xF0027), KeyCode(0xF0027),
                       KeyCode(0xF0027)};
    std::string full = "Toggle window size\t" + std::string("Shift+Ctrl+Alt+Arrow right  ") +
                       "Shift+Ctrl+Alt+Arrow right  " + "Shift+Ctrl+Alt+Arrow right";
    std::string row = RecorderRowText(longest);
    EXPECT_EQ(row.size(), kRecorderRowLimit);
    EXPECT_EQ(row, full.substr(0, kRecorderRowLimit));
}

TEST(KeyNames, RecorderRowOfUnknownCommandShowsPlaceholder) {
    for (std::int32_t command : {-1, CommandTable::kCount, 1000}) {
        KeyBinding damaged{command, KeyCode(0x50043), KeyCode(), KeyCode()};
        EXPECT_EQ(RecorderRowText(damaged), "(unknown command)\tCtrl+C    ") << command;
    }
}

} // namespace
} // namespace kestrel
