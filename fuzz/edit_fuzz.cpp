// Fuzz target for editing: any bytes loaded as lines, then any script of typing, overtyping,
// Enter, Backspace joins, Delete char, Restore line, pasted text, Delete line and Delete block,
// with Undo and Redo mixed in. After every edit the saved bytes must equal a plain model of the
// same edits, so no byte of a line (a NUL, a high byte, a tab) is ever lost or changed; undoing
// everything must give the loaded bytes back and redoing everything the final ones.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/commands/edit_script.h"

namespace {

void Check(bool ok) {
    if (!ok) {
        __builtin_trap();
    }
}

// Pasted text grown from one byte: letters with line feeds and lone CRs among them, at times a
// NUL or a high byte, and at times one piece longer than any line may be.
std::string PastedText(std::uint8_t seed, std::size_t salt) {
    std::uint32_t state = seed * 2654435761u + static_cast<std::uint32_t>(salt) + 1;
    const auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return (state >> 16) & 0x7FFFu;
    };
    const std::size_t length = seed & 0x80 ? 200 + next() % 400 : next() % 24;
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        const std::uint32_t r = next() % 64;
        text += r == 0 ? '\n' : r == 1 ? '\r' : r == 2 ? '\0' : r == 3 ? '\xe9'
                                                                 : static_cast<char>('a' + r % 26);
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kestrel::Edit;
    using kestrel::EditOp;
    if (size < 1) {
        return 0;
    }
    // The first byte counts the edits, four bytes each; the rest is the file.
    const std::size_t edits = data[0] % 48;
    const std::size_t scriptBytes = 1 + 4 * edits;
    if (size < scriptBytes) {
        return 0;
    }
    // Lines as loading gives them: never as wide as the line limit (tabs every 8 columns).
    const std::int32_t lineLength = data[0] & 0x80 ? 256 : 2048;
    std::vector<std::string> lines(1);
    std::int32_t width = 0;
    for (std::size_t i = scriptBytes; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        const std::int32_t next = c == '\t' ? (width / 8 + 1) * 8 : width + 1;
        if (c == '\n') {
            lines.emplace_back();
            width = 0;
        } else if (c != '\r' && next < lineLength - 1 && lines.back().size() < 200) {
            lines.back() += c;
            width = next;
        }
    }
    kestrel::EditScript script(size > scriptBytes ? lines : std::vector<std::string>{},
                               lineLength);
    const std::string loaded = script.Expected();
    for (std::size_t e = 0; e < edits; ++e) {
        const std::uint8_t* p = data + 1 + 4 * e;
        const std::int32_t line = p[1] % script.LineCount();
        const EditOp op = static_cast<EditOp>(p[0] % 11);
        const std::int32_t endLine = std::min(line + p[3] % 3, script.LineCount() - 1);
        const Edit edit{op,
                        line,
                        p[2] % (script.LineSize(line) + 4),
                        static_cast<char>(p[3]),
                        op == EditOp::Paste ? PastedText(p[3], e) : std::string(),
                        endLine,
                        (p[3] / 3) % (script.LineSize(endLine) + 1)};
        // A save stores the caret line, which ends a step; saving after every edit would hide
        // how steps are grouped, so a byte of the script says when to save.
        if (script.Apply(edit) && (p[1] & 0x80) != 0) {
            Check(script.Saved() == script.Expected());
        }
    }
    // From the newest state (everything undone in the script redone again) back to the loaded
    // bytes, which are the saved state again, and forwards to the newest once more.
    script.RedoAll();
    const std::string newest = script.Saved();
    Check(newest == script.Expected());
    script.UndoAll();
    Check(!script.ProgramCanUndo());
    Check(script.Saved() == loaded);
    Check(!script.Modified());
    script.RedoAll();
    Check(!script.ProgramCanRedo());
    Check(script.Saved() == newest);
    return 0;
}
