// Every item of the menu resource reaches its operation, and nothing else does.
#include "shell/menu_commands.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "tests/menu_resource.h"

namespace kestrel {
namespace {

// Menu items whose operations are still being built. A branch that routes one of these
// removes it here; the test fails for an id that is routed but still listed, and for a menu
// item that is neither routed nor listed.
const std::set<std::uint32_t> kAwaitingOperation = {
};

// Which operation each routed command id must reach.
const std::map<std::uint32_t, std::string> kRoutes = {
    {IDM_NEW, "FileNew"},
    {IDM_OPEN, "FileOpen"},
    {IDM_SAVE, "FileSave"},
    {IDM_SAVE_AS, "FileSaveAs"},
    {IDM_EXIT, "FileExit"},
    {IDM_CUT, "EditCut"},
    {IDM_COPY, "EditCopy"},
    {IDM_PASTE, "EditPaste"},
    {IDM_READ_BLOCK, "EditReadBlock"},
    {IDM_WRITE_BLOCK, "EditWriteBlock"},
    {IDM_DELETE_BLOCK, "EditDeleteBlock"},
    {IDM_RESTORE_LINE, "EditRestoreLine"},
    {IDM_GET_SPECIAL, "EditGetSpecialChar"},
    {IDM_WRITE_SPECIAL, "EditWriteSpecialChar"},
    {IDM_INSERT_DATE, "EditInsertDate"},
    {IDM_FIND, "SearchFind"},
    {IDM_FIND_NEXT, "SearchFindNext"},
    {IDM_GOTO_LINE, "SearchGotoLine"},
    {IDM_SETTINGS, "OptionsSettings"},
    {IDM_FILE_INFO, "FileInfo"},
    {IDM_PAGE_SETUP, "OptionsPageSetup"},
    {IDM_TEXT_COLOURS, "OptionsTextColours"},
    {IDM_SELECTED_COLOURS, "OptionsSelectedColours"},
    {IDM_FONT, "OptionsFont"},
    {IDM_PRINTER_FONT, "OptionsPrinterFont"},
    {IDM_PRINT, "FilePrint"},
    {IDM_PRINT_BLOCK, "FilePrintBlock"},
    {IDM_KEYS, "OptionsKeys"},
    {IDM_TOGGLE_WINDOW_SIZE, "OptionsToggleWindowSize"},
    {IDM_CHECK_UPDATES, "HelpCheckForUpdates"},
    {IDM_ABOUT, "HelpAbout"},
    {IDM_STORE_KEY_TABLE, "StoreKeyTable"},
};

class RecordingCommands : public MenuCommands {
public:
    std::vector<std::string> calls;

    void FileNew() override { calls.push_back("FileNew"); }
    void FileOpen() override { calls.push_back("FileOpen"); }
    void FileSave() override { calls.push_back("FileSave"); }
    void FileSaveAs() override { calls.push_back("FileSaveAs"); }
    void FileExit() override { calls.push_back("FileExit"); }
    void EditCut() override { calls.push_back("EditCut"); }
    void EditCopy() override { calls.push_back("EditCopy"); }
    void EditPaste() override { calls.push_back("EditPaste"); }
    void EditReadBlock() override { calls.push_back("EditReadBlock"); }
    void EditWriteBlock() override { calls.push_back("EditWriteBlock"); }
    void EditDeleteBlock() override { calls.push_back("EditDeleteBlock"); }
    void EditRestoreLine() override { calls.push_back("EditRestoreLine"); }
    void EditGetSpecialChar() override { calls.push_back("EditGetSpecialChar"); }
    void EditWriteSpecialChar() override { calls.push_back("EditWriteSpecialChar"); }
    void EditInsertDate() override { calls.push_back("EditInsertDate"); }
    void SearchFind() override { calls.push_back("SearchFind"); }
    void SearchFindNext() override { calls.push_back("SearchFindNext"); }
    void SearchGotoLine() override { calls.push_back("SearchGotoLine"); }
    void OptionsSettings() override { calls.push_back("OptionsSettings"); }
    void FileInfo() override { calls.push_back("FileInfo"); }
    void OptionsPageSetup() override { calls.push_back("OptionsPageSetup"); }
    void OptionsTextColours() override { calls.push_back("OptionsTextColours"); }
    void OptionsSelectedColours() override { calls.push_back("OptionsSelectedColours"); }
    void OptionsFont() override { calls.push_back("OptionsFont"); }
    void OptionsPrinterFont() override { calls.push_back("OptionsPrinterFont"); }
    void FilePrint() override { calls.push_back("FilePrint"); }
    void FilePrintBlock() override { calls.push_back("FilePrintBlock"); }
    void OptionsKeys() override { calls.push_back("OptionsKeys"); }
    void OptionsToggleWindowSize() override { calls.push_back("OptionsToggleWindowSize"); }
    void HelpCheckForUpdates() override { calls.push_back("HelpCheckForUpdates"); }
    void HelpAbout() override { calls.push_back("HelpAbout"); }
    void StoreKeyTable() override { calls.push_back("StoreKeyTable"); }
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

TEST(MenuCommands, EveryMenuItemIsRoutedOrAwaitingItsOperation) {
    std::vector<std::uint32_t> items = MenuItemIds();
    ASSERT_GE(items.size(), 31u) << "the menu resource was not read";
    for (std::uint32_t id : items) {
        RecordingCommands commands;
        bool routed = RouteMenuCommand(commands, id);
        if (kAwaitingOperation.count(id) != 0) {
            EXPECT_FALSE(routed) << id << " is routed now: take it off the awaiting list";
            EXPECT_TRUE(commands.calls.empty()) << id;
            continue;
        }
        EXPECT_TRUE(routed) << "menu item " << id << " has no route";
        auto expected = kRoutes.find(id);
        ASSERT_NE(expected, kRoutes.end()) << "menu item " << id << " has no expected operation";
        EXPECT_EQ(commands.calls, std::vector<std::string>{expected->second}) << id;
    }
}

TEST(MenuCommands, CommandsWithoutMenuItemsReachTheirOperations) {
    // The key recorder's store command, and Alt+X through the accelerator's id.
    for (std::uint32_t id : {static_cast<std::uint32_t>(IDM_STORE_KEY_TABLE),
                             static_cast<std::uint32_t>(IDM_EXIT)}) {
        RecordingCommands commands;
        EXPECT_TRUE(RouteMenuCommand(commands, id));
        EXPECT_EQ(commands.calls, std::vector<std::string>{kRoutes.at(id)});
    }
}

TEST(MenuCommands, UnknownIdsAreIgnored) {
    for (std::uint32_t id : {0u, 1u, 1010u, 1012u, 40000u, 40013u, 40022u, 40026u, 40034u,
                             40037u, 40042u, 65535u, 0x10000u + IDM_OPEN}) {
        RecordingCommands commands;
        EXPECT_FALSE(RouteMenuCommand(commands, id)) << id;
        EXPECT_TRUE(commands.calls.empty()) << id;
    }
}

} // namespace
} // namespace kestrel
