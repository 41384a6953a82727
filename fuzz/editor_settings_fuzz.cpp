// Fuzzes reading the Settings key: the input is a run of values (name index, 16-bit length,
// bytes) of any size and content. Checks that every option lands in its range, that no text
// outgrows its buffer, and that the options once written read back exactly as written.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "settings/editor_settings.h"
#include "settings/window_placement.h"
#include "tests/settings/memory_settings.h"

namespace {

void Check(bool ok) {
    if (!ok) {
        __builtin_trap();
    }
}

const char* const kNames[] = {
    "font",          "height",          "weight",     "pitch",    "charset",     "prnFont",
    "prnPitch",      "tmargin",         "lmargin",    "pagenums", "color",       "bkColor",
    "selectedcolor", "selectedbkcolor", "hidescroll", "char",     "readonly",    "removespaces",
    "indent",        "update",          "IsoDate",    "bakfile",  "filterindex", "initialdir",
    "linelength",    "tabsize",         "WheelLines", "KeyCnt",   "KeyTable",    "flags",
    "showCmd",       "rcNormal"};

kestrel::MemorySettings Parse(const std::uint8_t* data, std::size_t size) {
    kestrel::MemorySettings store;
    std::size_t at = 0;
    while (at + 3 <= size) {
        const char* name = kNames[data[at] % std::size(kNames)];
        std::size_t length = data[at + 1] | (static_cast<std::size_t>(data[at + 2]) << 8);
        at += 3;
        if (length > size - at) {
            length = size - at;
        }
        store.SetBytes(name, std::vector<std::uint8_t>(data + at, data + at + length));
        at += length;
    }
    return store;
}

void CheckRanges(const kestrel::LoadedSettings& loaded) {
    const kestrel::EditorSettings& s = loaded.options;
    Check(s.lineLength >= kestrel::kMinLineLength && s.lineLength <= kestrel::kMaxLineLength);
    Check(s.tabSize >= kestrel::kMinTabSize && s.tabSize <= kestrel::kMaxTabSize);
    Check(s.wheelLines >= kestrel::kMinWheelLines && s.wheelLines <= kestrel::kMaxWheelLines);
    Check(s.bakFile >= 0 && s.bakFile <= kestrel::kMaxBakFile);
    Check(s.specialChar >= kestrel::kMinSpecialChar && s.specialChar <= kestrel::kMaxSpecialChar);
    Check(s.lmargin >= 0 && s.lmargin <= kestrel::kMaxLeftMargin);
    Check(s.screenFont.FaceName().size() < kestrel::kFaceNameSize);
    Check(s.screenFont.faceName[kestrel::kFaceNameSize - 1] == '\0');
    Check(s.prnFont.size() < kestrel::kFaceNameSize);
    Check(loaded.initialDir.size() < kestrel::kInitialDirSize);
    if (loaded.keys.isDefault) {
        Check(loaded.keys.table == kestrel::KeyTable::Defaults());
    } else {
        Check(loaded.keys.table.Count() >= 1);
        Check(loaded.keys.table.Count() <= kestrel::KeyTable::kMaxBindings);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kestrel::MemorySettings store = Parse(data, size);
    kestrel::LoadedSettings loaded = kestrel::ReadSettings(store);
    CheckRanges(loaded);

    kestrel::MemorySettings written;
    kestrel::WriteOptions(written, loaded.options);
    kestrel::LoadedSettings again = kestrel::ReadSettings(written);
    kestrel::MemorySettings rewritten;
    kestrel::WriteOptions(rewritten, again.options);
    Check(written.WriteOrder() == rewritten.WriteOrder());
    for (const std::string& name : written.WriteOrder()) {
        Check(written.Find(name)->bytes == rewritten.Find(name)->bytes);
    }

    const kestrel::ScreenMetrics screen{1024, 768, 32, 32};
    std::optional<kestrel::StoredPlacement> placement =
        kestrel::ReadPlacementToRestore(store, screen);
    if (placement) {
        Check(placement->normal.left <= 1024 - 32 && placement->normal.top <= 768 - 32);
        Check(placement->showCmd >= 1 && placement->showCmd <= 3);
    }
    return 0;
}
