// Menu item texts that carry their key bindings.
#include "keys/menu_label.h"

#include "keys/key_names.h"
#include "resources/resource_ids.h"

namespace kestrel {

namespace {

constexpr std::array<MenuLabel, kMenuLabelCount> kMenuLabels = {{
    {"&New", CommandId::NewFile, IDM_NEW},
    {"&Open...", CommandId::OpenFile, IDM_OPEN},
    {"&Save", CommandId::SaveFile, IDM_SAVE},
    {"Save &as...", CommandId::SaveAs, IDM_SAVE_AS},
    {"Print block...", CommandId::PrintBlock, IDM_PRINT_BLOCK},
    {"E&xit", CommandId::ExitProgram, IDM_EXIT},
    {"&Cu&t", CommandId::Cut, IDM_CUT},
    {"&Copy", CommandId::Copy, IDM_COPY},
    {"&Paste", CommandId::Paste, IDM_PASTE},
    {"&Read block...", CommandId::BlockRead, IDM_READ_BLOCK},
    {"&Write block...", CommandId::BlockWrite, IDM_WRITE_BLOCK},
    {"&Delete block", CommandId::DeleteBlock, IDM_DELETE_BLOCK},
    {"&Restore line", CommandId::RestoreLine, IDM_RESTORE_LINE},
    {"&Get special char...", CommandId::GetSpecialChar, IDM_GET_SPECIAL},
    {"&Write Special", CommandId::WriteSpecialChar, IDM_WRITE_SPECIAL},
    {"Insert date/time", CommandId::InsertDate, IDM_INSERT_DATE},
    {"&Find...", CommandId::FindText, IDM_FIND},
    {"Find &next", CommandId::FindNext, IDM_FIND_NEXT},
    {"&Goto line #...", CommandId::GotoLine, IDM_GOTO_LINE},
    {"&Toggle window size", CommandId::ToggleWindowSize, IDM_TOGGLE_WINDOW_SIZE},
    {"&Undo", CommandId::Undo, IDM_UNDO},
    {"R&edo", CommandId::Redo, IDM_REDO},
    {"&Replace...", CommandId::Replace, IDM_REPLACE},
}};

// Between a label and its keys; the tab right-aligns the keys in the menu.
constexpr std::string_view kLabelSeparator = "\t   ";

} // namespace

const std::array<MenuLabel, kMenuLabelCount>& MenuLabels() {
    return kMenuLabels;
}

std::string MenuItemText(const MenuLabel& label, const KeyTable& table) {
    std::string text(label.label);
    text += kLabelSeparator;
    if (const KeyBinding* binding = table.FirstBindingOf(ToIndex(label.command))) {
        AppendBindingKeys(text, *binding);
    }
    if (text.size() > kMenuTextLimit) {
        text.resize(kMenuTextLimit);
    }
    return text;
}

} // namespace kestrel
