// Defaults of the editor's options and the order they are read and written in.
#include "settings/editor_settings.h"

#include <algorithm>
#include <cstring>

#include "document/line_store.h"
#include "settings/stored_key_table.h"

namespace kestrel {

static_assert(kMinLineLength == LineStore::kMinLineLength &&
                  kMaxLineLength == LineStore::kMaxLineLength,
              "the stored line length must be one the line store accepts");

std::string_view FontRecord::FaceName() const {
    const char* begin = faceName.data();
    const char* end = std::find(begin, begin + kFaceNameSize - 1, '\0');
    return std::string_view(begin, static_cast<std::size_t>(end - begin));
}

void FontRecord::SetFaceName(std::string_view name) {
    faceName.fill('\0');
    std::size_t length = std::min(name.size(), kFaceNameSize - 1);
    std::memcpy(faceName.data(), name.data(), length);
}

FontRecord DefaultScreenFont() {
    FontRecord font;
    font.SetFaceName("fixedsys");
    font.pitchAndFamily = 0x23;
    return font;
}

FontRecord SaneScreenFont(FontRecord font) {
    constexpr std::uint8_t kPitchBits = 0x03;
    constexpr std::uint8_t kFixedPitch = 0x01;
    font.escapement = 0;
    font.orientation = 0;
    if (font.height < -kMaxScreenFontHeight || font.height > kMaxScreenFontHeight) {
        font.height = 0;
    }
    if (font.width < 0 || font.width > kMaxScreenFontWidth) {
        font.width = 0;
    }
    font.pitchAndFamily =
        static_cast<std::uint8_t>((font.pitchAndFamily & ~kPitchBits) | kFixedPitch);
    return font;
}

namespace {

// The screen font and printer values, in their stored order (font and prnFont first).
void ReadFonts(const SettingsSource& source, EditorSettings& s) {
    const EditorSettings defaults;
    std::string face;
    ReadText(source, setting::kFont, kFaceNameSize, face, defaults.screenFont.FaceName());
    s.screenFont.SetFaceName(face);
    ReadText(source, setting::kPrnFont, kFaceNameSize, s.prnFont, defaults.prnFont);
    ReadNumber(source, setting::kPrnPitch, s.prnPitch, defaults.prnPitch);
    ReadNumber(source, setting::kTopMargin, s.tmargin, defaults.tmargin);
    // The printer repeats the left margin as spaces on every row; the page setup dialog never
    // stores more than 18.
    ReadNumberInRange(source, setting::kLeftMargin, s.lmargin, defaults.lmargin, 0, kMaxLeftMargin);
    ReadFlag(source, setting::kPageNums, s.pagenums, defaults.pagenums);
    ReadByte(source, setting::kPitch, s.screenFont.pitchAndFamily);
    ReadByte(source, setting::kCharset, s.screenFont.charSet);
    ReadNumber(source, setting::kHeight, s.screenFont.height, defaults.screenFont.height);
    ReadNumber(source, setting::kWeight, s.screenFont.weight, defaults.screenFont.weight);
}

void ReadColoursAndFlags(const SettingsSource& source, EditorSettings& s) {
    const EditorSettings defaults;
    ReadNumber(source, setting::kColor, s.color, defaults.color);
    ReadNumber(source, setting::kBkColor, s.bkColor, defaults.bkColor);
    ReadNumber(source, setting::kSelectedColor, s.selectedColor, defaults.selectedColor);
    ReadNumber(source, setting::kSelectedBkColor, s.selectedBkColor, defaults.selectedBkColor);
    ReadFlag(source, setting::kHideScroll, s.hideScroll, defaults.hideScroll);
    ReadNumberInRange(source, setting::kChar, s.specialChar, defaults.specialChar, kMinSpecialChar,
                      kMaxSpecialChar);
    ReadFlag(source, setting::kReadOnly, s.readOnly, defaults.readOnly);
    ReadFlag(source, setting::kRemoveSpaces, s.removeSpaces, defaults.removeSpaces);
    ReadFlag(source, setting::kIndent, s.indent, defaults.indent);
    ReadFlag(source, setting::kUpdate, s.update, defaults.update);
    ReadFlag(source, setting::kIsoDate, s.isoDate, defaults.isoDate);
    ReadNumberInRange(source, setting::kBakFile, s.bakFile, defaults.bakFile, 0, kMaxBakFile);
    ReadNumber(source, setting::kFilterIndex, s.filterIndex, defaults.filterIndex);
}

} // namespace

LoadedSettings ReadSettings(const SettingsSource& source) {
    LoadedSettings loaded;
    EditorSettings& s = loaded.options;
    const EditorSettings defaults;
    ReadFonts(source, s);
    ReadColoursAndFlags(source, s);
    ReadText(source, setting::kInitialDir, kInitialDirSize, loaded.initialDir, "");
    ReadNumberInRange(source, setting::kLineLength, s.lineLength, defaults.lineLength,
                      kMinLineLength, kMaxLineLength);
    ReadNumberInRange(source, setting::kTabSize, s.tabSize, defaults.tabSize, kMinTabSize,
                      kMaxTabSize);
    // KeyCnt comes next in the stored order; ReadKeyTable reads it together with its table.
    ReadNumberInRange(source, setting::kWheelLines, s.wheelLines, defaults.wheelLines,
                      kMinWheelLines, kMaxWheelLines);
    loaded.keys = ReadKeyTable(source);
    return loaded;
}

void WriteOptions(SettingsSink& sink, const EditorSettings& s) {
    const FontRecord& font = s.screenFont;
    sink.WriteText(setting::kFont, font.FaceName());
    // Written no longer than a read accepts, so the value always comes back.
    sink.WriteText(setting::kPrnFont, std::string_view(s.prnFont).substr(0, kFaceNameSize - 1));
    sink.WriteNumber(setting::kPrnPitch, static_cast<std::uint32_t>(s.prnPitch));
    sink.WriteNumber(setting::kTopMargin, static_cast<std::uint32_t>(s.tmargin));
    sink.WriteNumber(setting::kLeftMargin, static_cast<std::uint32_t>(s.lmargin));
    WriteFlag(sink, setting::kPageNums, s.pagenums);
    WriteByte(sink, setting::kPitch, font.pitchAndFamily);
    WriteByte(sink, setting::kCharset, font.charSet);
    sink.WriteNumber(setting::kHeight, static_cast<std::uint32_t>(font.height));
    sink.WriteNumber(setting::kWeight, static_cast<std::uint32_t>(font.weight));
    sink.WriteNumber(setting::kColor, s.color);
    sink.WriteNumber(setting::kBkColor, s.bkColor);
    sink.WriteNumber(setting::kSelectedColor, s.selectedColor);
    sink.WriteNumber(setting::kSelectedBkColor, s.selectedBkColor);
    WriteFlag(sink, setting::kHideScroll, s.hideScroll);
    sink.WriteNumber(setting::kChar, static_cast<std::uint32_t>(s.specialChar));
    WriteFlag(sink, setting::kReadOnly, s.readOnly);
    WriteFlag(sink, setting::kRemoveSpaces, s.removeSpaces);
    WriteFlag(sink, setting::kIndent, s.indent);
    WriteFlag(sink, setting::kUpdate, s.update);
    WriteFlag(sink, setting::kIsoDate, s.isoDate);
    sink.WriteNumber(setting::kBakFile, static_cast<std::uint32_t>(s.bakFile));
    sink.WriteNumber(setting::kFilterIndex, static_cast<std::uint32_t>(s.filterIndex));
    sink.WriteNumber(setting::kLineLength, static_cast<std::uint32_t>(s.lineLength));
    sink.WriteNumber(setting::kTabSize, static_cast<std::uint32_t>(s.tabSize));
    sink.WriteNumber(setting::kWheelLines, static_cast<std::uint32_t>(s.wheelLines));
}

} // namespace kestrel
