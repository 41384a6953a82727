// The command table: names and positions are a storage format.
#include "keys/command_table.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

TEST(CommandTable, NamesFollowTheStoredOrder) {
    const char* const expected[CommandTable::kCount] = {
        "Arrow left",
        "Arrow right",
        "Arrow down",
        "Arrow up",
        "Top of file",
        "Bottom of file",
        "Page up",
        "Page down",
        "Beginning of line",
        "End of line",
        "Backspace",
        "Delete line",
        "Delete char",
        "Open file",
        "New file",
        "Save file",
        "Save As",
        "Exit program",
        "Toggle insert",
        "Toggle window size",
        "Cut",
        "Copy",
        "Paste",
        "Find text",
        "Find next",
        "Goto line #",
        "Insert date",
        "Restore line",
        "Get special char",
        "Write special char",
        "Mark begin",
        "Mark end",
        "Goto block begin",
        "Goto block end",
        "Hide block",
        "Block read",
        "Block write",
        "Delete block",
        "Print block",
        "Undo",
        "Redo",
        "Replace",
    };
    for (std::int32_t i = 0; i < CommandTable::kCount; ++i) {
        EXPECT_EQ(CommandTable::Name(i), expected[i]) << "index " << i;
        EXPECT_EQ(ToIndex(CommandTable::Entries()[static_cast<std::size_t>(i)].id), i);
    }
}

TEST(CommandTable, IndicesOutsideTheTableNameNothing) {
    for (std::int32_t index : {-1, 42, 43, 1000, INT32_MIN, INT32_MAX}) {
        EXPECT_FALSE(CommandTable::IsValid(index)) << index;
        EXPECT_TRUE(CommandTable::Name(index).empty()) << index;
    }
    EXPECT_TRUE(CommandTable::IsValid(0));
    EXPECT_TRUE(CommandTable::IsValid(40));
}

} // namespace
} // namespace kestrel
