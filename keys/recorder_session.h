// The key recorder's working copy of the key table: the edits its buttons make, the recording of
// new keys, and the hand-over of the accepted table to the main window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "keys/key_recording.h"
#include "keys/key_table.h"

namespace kestrel {

// What a button did to the working table; the window refreshes its list after Changed and beeps
// after Refused.
enum class RecorderEdit {
    Ignored, // no row selected (or the edit could not be made): nothing changed
    Changed,
    Refused, // "Delete" on a command's only row
};

// The table the recorder's OK (or a confirmed "Restore to default") hands to the main window.
struct AcceptedKeyTable {
    KeyTable table;
    bool restored = false; // stored as KeyCnt 0 and no KeyTable, so later runs follow the defaults
};

// One opening of the recorder. Selections are list positions as the list box reports them: any
// value outside 0..Count()-1 (its "no selection" is -1) selects nothing.
class RecorderSession {
public:
    // `showsDefaults`: the table came from the built-in defaults (the title says so).
    void Begin(KeyTable table, bool showsDefaults);

    const KeyTable& Table() const { return table_; }
    std::size_t Count() const { return table_.Count(); }
    bool ShowsDefaults() const { return showsDefaults_; }
    bool Restored() const { return restored_; }
    // "Keys", or "Keys - Default" while the table is the built-in one.
    std::string Title() const;
    // Row `row` of the list: command name, a tab and its keys; empty past the end.
    std::string RowText(std::size_t row) const;

    // "Add": a keyless row for the selected command, inserted in front of the selected row.
    RecorderEdit Add(int selection);
    // "Delete": removes the selected row unless it is its command's only one.
    RecorderEdit Delete(int selection);
    // "Restore to default" answered Yes: the defaults replace the working table, whatever its
    // size. False (and nothing changes) when the memory for them cannot be had.
    bool RestoreDefaults();

    // "Start": clears the selected row's keys and awaits its first key. False when no row is
    // selected.
    bool StartRecording(int selection);
    // A key-down or system key-down while the recorder has the focus; consumed at every stage.
    RecordStep KeyDown(std::uint32_t virtualKey) { return recording_.KeyDown(virtualKey, table_); }
    void KeyUp(std::uint32_t virtualKey) { recording_.KeyUp(virtualKey); }
    // "End", or any refresh of the list.
    void EndRecording() { recording_.End(); }
    // A modifier released while another window has the focus never reports its key-up here.
    void LoseFocus() { recording_.LoseFocus(); }
    bool IsRecording() const { return recording_.IsRecording(); }
    std::string_view StartCaption() const { return recording_.StartCaption(); }

    // OK (or the confirmed restore): the working table becomes the one to store.
    void Accept();
    // The accepted table, once: the main window takes it when the store command arrives. Nothing
    // when no table was accepted since the last Begin or Take, so a repeated or stray store
    // command changes nothing.
    std::optional<AcceptedKeyTable> TakeAccepted();

private:
    // The selected row, or nothing when `selection` is no row of the table.
    std::optional<std::size_t> RowOf(int selection) const;

    KeyTable table_;
    KeyRecording recording_;
    bool showsDefaults_ = false;
    bool restored_ = false;
    bool accepted_ = false;
};

} // namespace kestrel
