// The menu table. Alt+X arrives as IDM_EXIT through the accelerator table.
#include "shell/menu_table.h"

#include <array>

#include "resources/resource_ids.h"

namespace kestrel {

namespace {

constexpr MenuRoute Run(std::uint16_t id, CommandId command) {
    return MenuRoute{id, command, FrameAction::None};
}

constexpr MenuRoute Frame(std::uint16_t id, FrameAction action) {
    return MenuRoute{id, std::nullopt, action};
}

constexpr std::array<MenuRoute, kMenuRouteCount> kRoutes = {{
    Run(IDM_NEW, CommandId::NewFile),
    Run(IDM_OPEN, CommandId::OpenFile),
    Run(IDM_SAVE, CommandId::SaveFile),
    Run(IDM_SAVE_AS, CommandId::SaveAs),
    Frame(IDM_FILE_INFO, FrameAction::FileInfo),
    Frame(IDM_PRINT, FrameAction::PrintDocument),
    Run(IDM_PRINT_BLOCK, CommandId::PrintBlock),
    Frame(IDM_EXIT, FrameAction::Exit),
    Run(IDM_UNDO, CommandId::Undo),
    Run(IDM_REDO, CommandId::Redo),
    Run(IDM_CUT, CommandId::Cut),
    Run(IDM_COPY, CommandId::Copy),
    Run(IDM_PASTE, CommandId::Paste),
    Run(IDM_READ_BLOCK, CommandId::BlockRead),
    Run(IDM_WRITE_BLOCK, CommandId::BlockWrite),
    Run(IDM_DELETE_BLOCK, CommandId::DeleteBlock),
    Run(IDM_RESTORE_LINE, CommandId::RestoreLine),
    Run(IDM_GET_SPECIAL, CommandId::GetSpecialChar),
    Run(IDM_WRITE_SPECIAL, CommandId::WriteSpecialChar),
    Run(IDM_INSERT_DATE, CommandId::InsertDate),
    Run(IDM_FIND, CommandId::FindText),
    Run(IDM_FIND_NEXT, CommandId::FindNext),
    Run(IDM_REPLACE, CommandId::Replace),
    Run(IDM_GOTO_LINE, CommandId::GotoLine),
    Frame(IDM_SETTINGS, FrameAction::Settings),
    Frame(IDM_PAGE_SETUP, FrameAction::PageSetup),
    Frame(IDM_TEXT_COLOURS, FrameAction::TextColours),
    Frame(IDM_SELECTED_COLOURS, FrameAction::SelectedColours),
    Frame(IDM_FONT, FrameAction::Font),
    Frame(IDM_PRINTER_FONT, FrameAction::PrinterFont),
    Frame(IDM_KEYS, FrameAction::Keys),
    Frame(IDM_TOGGLE_WINDOW_SIZE, FrameAction::ToggleWindowSize),
    Frame(IDM_CHECK_UPDATES, FrameAction::CheckForUpdates),
    Frame(IDM_ABOUT, FrameAction::About),
    Frame(IDM_STORE_KEY_TABLE, FrameAction::StoreKeyTable),
}};

} // namespace

const MenuRoute* FindMenuRoute(std::uint32_t id) {
    for (const MenuRoute& route : kRoutes) {
        if (route.menuId == id) {
            return &route;
        }
    }
    return nullptr;
}

const MenuRoute* MenuRoutesBegin() { return kRoutes.data(); }
const MenuRoute* MenuRoutesEnd() { return kRoutes.data() + kRoutes.size(); }

} // namespace kestrel
