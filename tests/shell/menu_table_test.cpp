// Every item of the menu resource has its route in the menu table, every route names an item,
// and the labelled items run the command their keys run.
#include "shell/menu_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "keys/menu_label.h"
#include "resources/resource_ids.h"
#include "tests/menu_resource.h"

namespace kestrel {
namespace {

// Where each menu id must go: a command, or an action of the frame.
struct Expected {
    std::optional<CommandId> command;
    FrameAction action;
};
constexpr FrameAction kRuns = FrameAction::None;

const std::map<std::uint32_t, Expected> kRoutes = {
    {IDM_NEW, {CommandId::NewFile, kRuns}},
    {IDM_OPEN, {CommandId::OpenFile, kRuns}},
    {IDM_SAVE, {CommandId::SaveFile, kRuns}},
    {IDM_SAVE_AS, {CommandId::SaveAs, kRuns}},
    {IDM_EXIT, {std::nullopt, FrameAction::Exit}},
    {IDM_UNDO, {CommandId::Undo, kRuns}},
    {IDM_REDO, {CommandId::Redo, kRuns}},
    {IDM_CUT, {CommandId::Cut, kRuns}},
    {IDM_COPY, {CommandId::Copy, kRuns}},
    {IDM_PASTE, {CommandId::Paste, kRuns}},
    {IDM_READ_BLOCK, {CommandId::BlockRead, kRuns}},
    {IDM_WRITE_BLOCK, {CommandId::BlockWrite, kRuns}},
    {IDM_DELETE_BLOCK, {CommandId::DeleteBlock, kRuns}},
    {IDM_RESTORE_LINE, {CommandId::RestoreLine, kRuns}},
    {IDM_GET_SPECIAL, {CommandId::GetSpecialChar, kRuns}},
    {IDM_WRITE_SPECIAL, {CommandId::WriteSpecialChar, kRuns}},
    {IDM_INSERT_DATE, {CommandId::InsertDate, kRuns}},
    {IDM_FIND, {CommandId::FindText, kRuns}},
    {IDM_FIND_NEXT, {CommandId::FindNext, kRuns}},
    {IDM_REPLACE, {CommandId::Replace, kRuns}},
    {IDM_GOTO_LINE, {CommandId::GotoLine, kRuns}},
    {IDM_SETTINGS, {std::nullopt, FrameAction::Settings}},
    {IDM_FILE_INFO, {std::nullopt, FrameAction::FileInfo}},
    {IDM_PAGE_SETUP, {std::nullopt, FrameAction::PageSetup}},
    {IDM_TEXT_COLOURS, {std::nullopt, FrameAction::TextColours}},
    {IDM_SELECTED_COLOURS, {std::nullopt, FrameAction::SelectedColours}},
    {IDM_FONT, {std::nullopt, FrameAction::Font}},
    {IDM_PRINTER_FONT, {std::nullopt, FrameAction::PrinterFont}},
    {IDM_PRINT, {std::nullopt, FrameAction::PrintDocument}},
    {IDM_PRINT_BLOCK, {CommandId::PrintBlock, kRuns}},
    {IDM_KEYS, {std::nullopt, FrameAction::Keys}},
    {IDM_TOGGLE_WINDOW_SIZE, {std::nullopt, FrameAction::ToggleWindowSize}},
    {IDM_CHECK_UPDATES, {std::nullopt, FrameAction::CheckForUpdates}},
    {IDM_ABOUT, {std::nullopt, FrameAction::About}},
    {IDM_STORE_KEY_TABLE, {std::nullopt, FrameAction::StoreKeyTable}},
};

// The words of `text`, split at blanks, commas and line ends.
std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text + "\n") {
        if (c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n') {
            if (!word.empty()) {
                words.push_back(word);
            }
            word.clear();
        } else {
            word += c;
        }
    }
    return words;
}

// The ids of every MENUITEM of the resource (the word after its quoted label), resolved
// through the ids header.
std::vector<std::uint32_t> MenuItemIds() {
    std::map<std::string, std::uint32_t> values;
    std::vector<std::string> ids = Words(kResourceIdsText);
    for (std::size_t i = 0; i + 2 < ids.size(); ++i) {
        if (ids[i] == "#define" && ids[i + 1].rfind("IDM_", 0) == 0) {
            values[ids[i + 1]] = static_cast<std::uint32_t>(std::stoul(ids[i + 2]));
        }
    }
    std::vector<std::uint32_t> items;
    std::string menu = kMenuResourceText;
    for (std::size_t at = menu.find("MENUITEM \""); at != std::string::npos;
         at = menu.find("MENUITEM \"", at + 1)) {
        std::size_t labelEnd = menu.find('"', at + 10);
        std::vector<std::string> rest = Words(menu.substr(labelEnd + 1, 40));
        auto found = rest.empty() ? values.end() : values.find(rest[0]);
        EXPECT_NE(found, values.end()) << "menu item id " << (rest.empty() ? "" : rest[0])
                                       << " is not defined";
        if (found != values.end()) {
            items.push_back(found->second);
        }
    }
    return items;
}

TEST(MenuTable, EveryMenuItemHasItsRouteAndEveryRouteAnItem) {
    const std::vector<std::uint32_t> items = MenuItemIds();
    ASSERT_GE(items.size(), 31u) << "the menu resource was not read";
    for (std::uint32_t id : items) {
        const MenuRoute* route = FindMenuRoute(id);
        ASSERT_NE(route, nullptr) << "menu item " << id << " has no route";
        auto expected = kRoutes.find(id);
        ASSERT_NE(expected, kRoutes.end()) << "menu item " << id << " has no expected route";
        EXPECT_EQ(route->command, expected->second.command) << id;
        EXPECT_EQ(route->action, expected->second.action) << id;
    }
    const std::set<std::uint32_t> itemSet(items.begin(), items.end());
    for (const MenuRoute* route = MenuRoutesBegin(); route != MenuRoutesEnd(); ++route) {
        // The key recorder's store command is the one route that is no menu item.
        if (route->menuId != IDM_STORE_KEY_TABLE) {
            EXPECT_EQ(itemSet.count(route->menuId), 1u) << route->menuId << " names no item";
        }
        EXPECT_EQ(route->command.has_value(), route->action == FrameAction::None)
            << route->menuId;
    }
}

TEST(MenuTable, LabelledItemsShowTheKeysOfTheCommandTheyRun) {
    for (const MenuLabel& label : MenuLabels()) {
        const MenuRoute* route = FindMenuRoute(label.menuId);
        ASSERT_NE(route, nullptr) << label.label;
        if (route->command) {
            EXPECT_EQ(*route->command, label.command) << label.label;
        }
    }
}

TEST(MenuTable, CommandsWithoutMenuItemsHaveRoutes) {
    // The key recorder's store command, and Alt+X through the accelerator's id.
    ASSERT_NE(FindMenuRoute(IDM_STORE_KEY_TABLE), nullptr);
    EXPECT_EQ(FindMenuRoute(IDM_STORE_KEY_TABLE)->action, FrameAction::StoreKeyTable);
    ASSERT_NE(FindMenuRoute(IDM_EXIT), nullptr);
    EXPECT_EQ(FindMenuRoute(IDM_EXIT)->action, FrameAction::Exit);
}

TEST(MenuTable, UnknownIdsAreIgnored) {
    for (std::uint32_t id : {0u, 1u, 1010u, 1012u, 40000u, 40013u, 40022u, 40026u, 40034u,
                             40037u, 40042u, 65535u, 0x10000u + IDM_OPEN}) {
        EXPECT_EQ(FindMenuRoute(id), nullptr) << id;
    }
}

} // namespace
} // namespace kestrel
