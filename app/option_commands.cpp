// What each option and printing menu item does around its dialog.
#include "app/option_commands.h"

#include "app/print_job.h"
#include "dialogs/font_chooser.h"
#include "document/text_columns.h"
#include "framework/handles.h"
#include "document/block_iterator.h"
#include "print/block_lines.h"
#include "settings/dialog_number.h"
#include "platform/registry_store.h"
#include "view/document_host.h"
#include "view/editor_view.h"

namespace kestrel {

void OptionCommands::SettingsCommand(HWND owner) {
    EditorSettings live;
    view_.CollectSettings(live);
    bool unixMode = view_.Store().Flags().unixMode;
    const auto checkLineLength = [this](std::int32_t typed, std::int32_t shown) {
        // The caret line goes back to the document first, so that its length is the one
        // checked and its text survives the new buffer.
        view_.StoreCurrentLine();
        const LineStore& store = view_.Store();
        if (DecideLineLength(typed, shown, store.LineCount(),
                             store.GetLineLength(store.CaretLine())) ==
            LineLengthChange::Accepted) {
            return true;
        }
        view_.ShowMessage("\"Longest line allowed\" must be between 256 and 8192.",
                          "No file should be loaded when changing this setting.");
        return false;
    };
    if (!settingsDialog_.Run(owner, live, unixMode, checkLineLength)) {
        return;
    }
    view_.Store().Flags().unixMode = unixMode;
    Apply(live);
}

void OptionCommands::Apply(const EditorSettings& live, bool newFont) {
    view_.ApplySettings(live);
    view_.UpdateLayout();
    if (newFont) {
        view_.RecreateCaret(); // in the new font's cell size
    }
    view_.Repaint();
    view_.UpdateStatePane();
    host_.SetSettingsChanged();
}

void OptionCommands::PageSetupCommand(HWND owner) {
    if (pageSetupDialog_.Run(owner, settings_)) {
        host_.SetSettingsChanged();
    }
}

void OptionCommands::TextColorsCommand(HWND owner) {
    EditorSettings live;
    view_.CollectSettings(live);
    COLORREF text = live.color;
    COLORREF background = live.bkColor;
    if (!colorDialog_.Run(owner, text, background)) {
        return;
    }
    live.color = text;
    live.bkColor = background;
    Apply(live);
}

void OptionCommands::SelectedColorsCommand(HWND owner) {
    EditorSettings live;
    view_.CollectSettings(live);
    COLORREF text = live.selectedColor;
    COLORREF background = live.selectedBkColor;
    if (!colorDialog_.Run(owner, text, background)) {
        return;
    }
    live.selectedColor = text;
    live.selectedBkColor = background;
    Apply(live);
}

void OptionCommands::FontCommand(HWND owner) {
    EditorSettings live;
    view_.CollectSettings(live);
    FontRecord record = settings_.screenFont;
    COLORREF colour = live.color;
    if (!FontChooser::ChooseScreenFont(owner, record, colour)) {
        return;
    }
    LOGFONTA font = ToLogFont(record);
    HFONT created = CreateFontIndirectA(&font);
    if (created == nullptr) {
        return; // the old font stays, and so does its record
    }
    settings_.screenFont = record;
    view_.ApplyFont(created);
    live.color = colour;
    Apply(live, true);
}

void OptionCommands::PrinterFontCommand(HWND owner) {
    if (FontChooser::ChoosePrinterFont(owner, printer_.Dc(), settings_.prnFont,
                                       settings_.prnPitch)) {
        host_.SetSettingsChanged();
    }
}

void OptionCommands::FileInfoCommand(HWND owner) {
    const LineStore& store = view_.Store();
    FileInfoFacts facts;
    facts.lineCount = store.LineCount();
    for (std::int32_t line = 0; line < store.LineCount(); ++line) {
        facts.longestLine = std::max(facts.longestLine, store.GetLineLength(line));
    }
    facts.lineLength = store.LineLength();
    facts.visibleColumns = view_.View().VisibleColumns();
    facts.visibleLines = view_.View().VisibleLines();
    std::string_view caretLine = store.LineView(store.CaretLine());
    facts.caretLength = static_cast<std::int32_t>(caretLine.size());
    facts.caretExpanded = IndexToColumn(facts.caretLength, caretLine, view_.View().TabSize());
    facts.unixMode = store.Flags().unixMode;
    facts.hasPrinterDc = printer_.Dc() != nullptr;
    if (facts.hasPrinterDc) {
        facts.printerName = printer_.DeviceName();
        facts.printerFont = settings_.prnFont;
        FontObject font(printer_.CreatePrinterFont(settings_.prnFont, settings_.prnPitch,
                                                   FW_NORMAL));
        SelectGuard select(printer_.Dc(), font.Get());
        printer_.ReadPrinterMetrics();
        facts.printerPoints = printer_.PointSize();
        facts.page = printer_.Page();
    }
    fileInfoDialog_.Run(owner, facts);
}

void OptionCommands::PrintCommand(HWND owner, bool wholeDocument) {
    const TextViewState& state = view_.View();
    BlockIterator block(view_.Store(), state.BlockBegin(), state.BlockEnd(), state.BlockShown());
    if (!wholeDocument) {
        block.BlockFirst(false);
        if (!block.HasRange()) {
            return; // no shown block: nothing to print, and no dialog
        }
    }
    BlockLines source(block, wholeDocument);
    PrintJob(printer_, settings_).Run(owner, source, state.TabSize(), view_.DocumentPath());
}

} // namespace kestrel
