// Menu item texts that carry their key bindings.
#include "keys/menu_label.h"

#include "keys/key_names.h"

namespace kestrel {

namespace {

constexpr std::array<MenuLabel, kMenuLabelCount> kMenuLabels = {{
    {"&New", ToIndex(CommandId::NewFile), 40033},
    {"&Open...", ToIndex(CommandId::OpenFile), 40002},
    {"&Save", ToIndex(CommandId::SaveFile), 40003},
    {"Save &as...", ToIndex(CommandId::SaveAs), 40004},
    {"Print block...", ToIndex(CommandId::PrintBlock), 40007},
    {"E&xit", ToIndex(CommandId::ExitProgram), 40008},
    {"&Cu&t", ToIndex(CommandId::Cut), 40009},
    {"&Copy", ToIndex(CommandId::Copy), 40010},
    {"&Paste", ToIndex(CommandId::Paste), 40011},
    {"&Read block...", ToIndex(CommandId::BlockRead), 40012},
    {"&Write block...", ToIndex(CommandId::BlockWrite), 40014},
    {"&Delete block", ToIndex(CommandId::DeleteBlock), 40015},
    {"&Restore line", ToIndex(CommandId::RestoreLine), 40016},
    {"&Get special char...", ToIndex(CommandId::GetSpecialChar), 40017},
    {"&Write Special", ToIndex(CommandId::WriteSpecialChar), 40018},
    {"Insert date/time", ToIndex(CommandId::InsertDate), 40038},
    {"&Find...", ToIndex(CommandId::FindText), 40019},
    {"Find &next", ToIndex(CommandId::FindNext), 40020},
    {"&Goto line #...", ToIndex(CommandId::GotoLine), 40021},
    {"&Toggle window size", ToIndex(CommandId::ToggleWindowSize), 40027},
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
    if (const KeyBinding* binding = table.FirstBindingOf(label.command)) {
        AppendBindingKeys(text, *binding);
    }
    if (text.size() > kMenuTextLimit) {
        text.resize(kMenuTextLimit);
    }
    return text;
}

} // namespace kestrel
