// In-process tests of the block and the real clipboard under Wine: the copied bytes, a clipboard
// another thread holds, and text another program put there.
#include "view/editor_view.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "keys/command_table.h"

namespace kestrel {
namespace {

// A view whose warnings are recorded instead of shown.
class QuietView : public EditorView {
public:
    QuietView(MessageWindow& messages, BusyWindow& busy) : EditorView(messages, busy) {}
    void ShowMessage(std::string_view text, std::string_view detail) override {
        messages.emplace_back(std::string(text) + "|" + std::string(detail));
        // Whether another program could take the clipboard while this box would be up.
        std::thread other([this] {
            clipboardFreeAtMessage = OpenClipboard(nullptr) != FALSE;
            if (clipboardFreeAtMessage) {
                CloseClipboard();
            }
        });
        other.join();
    }
    std::vector<std::string> messages;
    bool clipboardFreeAtMessage = false;
};

class BlockTransferTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        view_.Initialise("Kestrel", 32127);
        ASSERT_TRUE(view_.Create(parent_, nullptr, "", 0, 0, 600, 400));
        ASSERT_TRUE(view_.SetLineLength(256));
        ASSERT_TRUE(view_.NewDocument());
        view_.LoadCurrentLine();
    }
    void TearDown() override { DestroyWindow(parent_); }

    static bool PutOnClipboard(const std::string& text) {
        if (!OpenClipboard(nullptr)) {
            return false;
        }
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
        std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
        const bool set = SetClipboardData(CF_TEXT, memory) != nullptr;
        CloseClipboard();
        return set;
    }
    static std::string ClipboardText() {
        std::string text = "<none>";
        if (OpenClipboard(nullptr)) {
            if (HANDLE memory = GetClipboardData(CF_TEXT)) {
                text = static_cast<const char*>(GlobalLock(memory));
                GlobalUnlock(memory);
            }
            CloseClipboard();
        }
        return text;
    }
    void Run(CommandId command) { view_.Runner().Run(command); }
    std::string Line(std::int32_t line) const { return std::string(view_.Store().LineView(line)); }

    HWND parent_ = nullptr;
    MessageWindow messages_;
    BusyWindow busy_;
    QuietView view_{messages_, busy_};
};

TEST_F(BlockTransferTest, PastedLinesBecomeTheBlockAndCopyGivesTheSameBytesBack) {
    ASSERT_TRUE(PutOnClipboard("one\ttab\r\ntwo \xe9\r\nthree"));
    Run(CommandId::Paste);
    ASSERT_EQ(view_.Store().LineCount(), 3);
    EXPECT_EQ(Line(1), "two \xe9");
    ASSERT_TRUE(PutOnClipboard("something else"));
    EXPECT_TRUE(view_.CopyCommand());
    EXPECT_EQ(ClipboardText(), "one\ttab\r\ntwo \xe9\r\nthree");
}

TEST_F(BlockTransferTest, CutKeepsTheTextWhileAnotherThreadHoldsTheClipboard) {
    ASSERT_TRUE(PutOnClipboard("keep me"));
    Run(CommandId::Paste);
    std::atomic<bool> holding{false};
    std::atomic<bool> release{false};
    std::thread holder([&] {
        if (OpenClipboard(nullptr)) {
            holding = true;
            while (!release) {
                Sleep(5);
            }
            CloseClipboard();
        }
    });
    while (!holding) {
        Sleep(5);
    }
    Run(CommandId::Cut);
    release = true;
    holder.join();
    EXPECT_EQ(Line(0), "keep me") << "the copy failed, so nothing may be deleted";
    EXPECT_EQ(ClipboardText(), "keep me");

    Run(CommandId::Cut);
    EXPECT_EQ(Line(0), "");
    EXPECT_EQ(ClipboardText(), "keep me");
}

TEST_F(BlockTransferTest, APasteWarnsOnlyOnceTheClipboardIsClosedAgain) {
    ASSERT_TRUE(PutOnClipboard("short\r\n" + std::string(300, 'w')));
    Run(CommandId::Paste);
    ASSERT_EQ(view_.messages.size(), 1u) << "the long line is cut, with a warning";
    EXPECT_TRUE(view_.clipboardFreeAtMessage);
    EXPECT_EQ(Line(1), std::string(255, 'w'));
}

TEST_F(BlockTransferTest, CopyWithoutAShownBlockLeavesTheClipboardAlone) {
    ASSERT_TRUE(PutOnClipboard("untouched"));
    Run(CommandId::Paste);
    Run(CommandId::HideBlock);
    ASSERT_TRUE(PutOnClipboard("still here"));
    EXPECT_FALSE(view_.CopyCommand());
    EXPECT_EQ(ClipboardText(), "still here");
}

} // namespace
} // namespace kestrel
