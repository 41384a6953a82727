// The menu item texts built from the key table.
#include "keys/menu_label.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kestrel {
namespace {

struct MenuCase {
    std::uint16_t menuId;
    const char* text;
};

// Every labelled item with the default table.
class DefaultMenuTextTest : public ::testing::TestWithParam<std::pair<std::size_t, MenuCase>> {};

TEST_P(DefaultMenuTextTest, ShowsTheKeysOfTheDefaultBinding) {
    const auto& [index, expected] = GetParam();
    const MenuLabel& label = MenuLabels()[index];
    EXPECT_EQ(label.menuId, expected.menuId);
    EXPECT_EQ(MenuItemText(label, KeyTable::Defaults()), expected.text);
}

INSTANTIATE_TEST_SUITE_P(
    DefaultTable, DefaultMenuTextTest,
    ::testing::Values(std::make_pair(0, MenuCase{40033, "&New\t   Ctrl+N    "}),
                      std::make_pair(1, MenuCase{40002, "&Open...\t   F3    "}),
                      std::make_pair(2, MenuCase{40003, "&Save\t   F2    "}),
                      std::make_pair(3, MenuCase{40004, "Save &as...\t       "}),
                      std::make_pair(4, MenuCase{40007, "Print block...\t   Ctrl+K  Ctrl+P  "}),
                      std::make_pair(5, MenuCase{40008, "E&xit\t   Alt+X    "}),
                      std::make_pair(6, MenuCase{40009, "&Cu&t\t   Ctrl+X    "}),
                      std::make_pair(7, MenuCase{40010, "&Copy\t   Ctrl+C    "}),
                      std::make_pair(8, MenuCase{40011, "&Paste\t   Ctrl+V    "}),
                      std::make_pair(9, MenuCase{40012, "&Read block...\t   Ctrl+K  Ctrl+R  "}),
                      std::make_pair(10, MenuCase{40014, "&Write block...\t   Ctrl+K  Ctrl+W  "}),
                      std::make_pair(11, MenuCase{40015, "&Delete block\t   Ctrl+K  Ctrl+Y  "}),
                      std::make_pair(12, MenuCase{40016, "&Restore line\t   Ctrl+Q  Ctrl+L  "}),
                      std::make_pair(13, MenuCase{40017, "&Get special char...\t   F7    "}),
                      std::make_pair(14, MenuCase{40018, "&Write Special\t   F8    "}),
                      std::make_pair(15, MenuCase{40038, "Insert date/time\t   F9    "}),
                      std::make_pair(16, MenuCase{40019, "&Find...\t   Ctrl+Q  Ctrl+F  "}),
                      std::make_pair(17, MenuCase{40020, "Find &next\t   Ctrl+L    "}),
                      std::make_pair(18, MenuCase{40021, "&Goto line #...\t   Ctrl+Q  Ctrl+N  "}),
                      std::make_pair(19, MenuCase{40027, "&Toggle window size\t   F5    "}),
                      std::make_pair(20, MenuCase{40043, "&Undo\t   Ctrl+Z    "}),
                      std::make_pair(21, MenuCase{40044, "R&edo\t   Shift+Ctrl+Z    "}),
                      std::make_pair(22, MenuCase{40045, "&Replace...\t   Ctrl+Q  Ctrl+A  "})));

TEST(MenuLabel, TableHasDistinctItemsOfValidCommands) {
    std::set<std::uint16_t> ids;
    std::set<std::int32_t> commands;
    for (const MenuLabel& label : MenuLabels()) {
        EXPECT_TRUE(CommandTable::IsValid(ToIndex(label.command)));
        ids.insert(label.menuId);
        commands.insert(ToIndex(label.command));
    }
    EXPECT_EQ(ids.size(), kMenuLabelCount);
    EXPECT_EQ(commands.size(), kMenuLabelCount);
}

TEST(MenuLabel, ShowsTheFirstBindingOfTheCommandOnly) {
    KeyTable table({{ToIndex(CommandId::Copy), KeyCode(0x10070), KeyCode(), KeyCode()},
                    {ToIndex(CommandId::Copy), KeyCode(0x50043), KeyCode(), KeyCode()}});
    const MenuLabel& copy = MenuLabels()[7];
    EXPECT_EQ(MenuItemText(copy, table), "&Copy\t   F1    ");
}

TEST(MenuLabel, CommandWithoutBindingShowsLabelAndSeparatorOnly) {
    EXPECT_EQ(MenuItemText(MenuLabels()[16], KeyTable()), "&Find...\t   ");
}

TEST(MenuLabel, UnnamedKeyShowsItsModifierAndStops) {
    KeyTable table({{ToIndex(CommandId::Paste), KeyCode(0x5007C), KeyCode(0x10041), KeyCode()}});
    EXPECT_EQ(MenuItemText(MenuLabels()[8], table), "&Paste\t   Ctrl+");
}

TEST(MenuLabel, LongTextIsCutToTheMenuLimit) {
    KeyTable table({{ToIndex(CommandId::GetSpecialChar), KeyCode(0xF0027), KeyCode(0xF0027),
                     KeyCode(0xF0027)}});
    std::string text = MenuItemText(MenuLabels()[13], table);
    EXPECT_EQ(text.size(), kMenuTextLimit);
    EXPECT_EQ(text.rfind("&Get special char...\t   Shift+Ctrl+Alt+Arrow right  ", 0), 0u);
}

} // namespace
} // namespace kestrel
