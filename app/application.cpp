// The fixed order in which the program comes up, and the objects that live as long as it does.
#include "app/application.h"

#include <utility>

#include "app/main_frame.h"
#include "framework/busy_window.h"
#include "framework/message_window.h"
#include "platform/startup_clock.h"
#include "framework/status_bar.h"
#include "resources/resource_ids.h"
#include "platform/registry_store.h"
#include "shell/command_line.h"
#include "shell/message_layout.h"
#include "shell/window_title.h"
#include "view/editor_view.h"

namespace kestrel {

namespace {

// Pane widths in average characters: the path takes what is left, then the modified state and
// the caret position.
constexpr int kPathPaneWidth = 80;
constexpr int kStatePaneWidth = 20;
constexpr int kCaretPaneWidth = 20;

// Shows each option the program does not know, before any main window exists.
void ReportUnknownOptions(MessageWindow& messages, const CommandLine& line) {
    std::string caption(kProductName);
    for (const std::string& option : line.unknownOptions) {
        std::string text = UnknownParameterText(option);
        messages.Show(nullptr, text.c_str(), caption.c_str(), kStyleIconExclamation, nullptr,
                      kMessageTextColour, kMessageBackColour, kMessageShadowColour);
    }
}

// Opens the document the command line named, or starts a new one.
void LoadFirstDocument(EditorView& view, const CommandLine& line) {
    if (!line.overlongPath.empty()) {
        // Too long for the path buffer: it cannot name a file that can be opened.
        view.ShowMessage("Can't open file", line.overlongPath);
    }
    view.OpenDocument();
}

} // namespace

std::string ResolveStoredName(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return path;
    }
    FindClose(search);
    return ReplaceFileNamePart(path, found.cFileName);
}

int RunKestrel(const char* commandLine, int showCmd) {
    StartupMark("process start to first code");
    // Constructed in this order, destroyed in the reverse one when the program ends.
    static BusyWindow busy;
    static MessageWindow messages;
    static EditorView view(messages, busy);
    static StatusBar statusBar;
    static MainFrame frame(view, statusBar, messages);

    view.Initialise(std::string(kProductName).c_str(), IDI_MARGIN_CURSOR);
    view.SetStatusBar(&statusBar);
    view.SetHost(&frame);

    statusBar.SetPaneCount(3);
    statusBar.AddPane(kPathPaneWidth, 0);
    statusBar.AddPane(kStatePaneWidth, 0);
    statusBar.AddPane(kCaretPaneWidth, 0);

    CommandLine line = ParseCommandLine(commandLine != nullptr ? commandLine : "");
    ReportUnknownOptions(messages, line);
    if (!line.path.empty()) {
        view.SetDocumentPath(ResolveStoredName(line.path));
    }

    view.SetExStyle(WS_EX_CLIENTEDGE);
    if (!frame.Create(&view, &statusBar)) {
        return 0;
    }
    StartupMark("window creation");
    LoadedSettings settings = LoadSettings();
    frame.ApplySettings(settings.options);
    StartupMark("settings and fonts");
    frame.OpenPrinter();
    StartupMark("printer");
    view.SetInitialDirectory(settings.initialDir);
    frame.LoadRecentFiles();
    frame.InstallKeyTable(std::move(settings.keys.table));
    StartupMark("recent files and keys");
    // The caret pane gets its text while the frame is hidden. Once the bar is visible, a new
    // pane text repaints it at once, and the focus arriving in the middle of the show would
    // paint it a first time only for the show's layout to paint it again.
    view.PlaceCaret();
    frame.Show(showCmd);
    StartupMark("frame shown");
    LoadFirstDocument(view, line);
    StartupMark("document open, title set");
    // The first page goes on screen now, before the remaining start-up work.
    UpdateWindow(frame.Handle());
    StartupFinished("first page on screen");
    frame.LoadAccelerators(IDR_ACCELERATORS);
    return frame.Run();
}

} // namespace kestrel
