// The editor's options, fonts, colours and printer layout, their defaults, and the order in which
// they are read at start-up and written when the user keeps them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "keys/key_table_store.h"
#include "settings/settings_values.h"

namespace kestrel {

// The program's key under HKEY_CURRENT_USER, and its subkey of options.
constexpr char kProgramKeyPath[] = "Software\\Hobart Freeware\\Kestrel";
constexpr char kSettingsSubkey[] = "Settings";

// Names of the values of the Settings key.
namespace setting {
constexpr char kFont[] = "font";
constexpr char kHeight[] = "height";
constexpr char kWeight[] = "weight";
constexpr char kPitch[] = "pitch";
constexpr char kCharset[] = "charset";
constexpr char kPrnFont[] = "prnFont";
constexpr char kPrnPitch[] = "prnPitch";
constexpr char kTopMargin[] = "tmargin";
constexpr char kLeftMargin[] = "lmargin";
constexpr char kPageNums[] = "pagenums";
constexpr char kColor[] = "color";
constexpr char kBkColor[] = "bkColor";
constexpr char kSelectedColor[] = "selectedcolor";
constexpr char kSelectedBkColor[] = "selectedbkcolor";
constexpr char kHideScroll[] = "hidescroll";
constexpr char kChar[] = "char";
constexpr char kReadOnly[] = "readonly";
constexpr char kRemoveSpaces[] = "removespaces";
constexpr char kIndent[] = "indent";
constexpr char kUpdate[] = "update";
constexpr char kIsoDate[] = "IsoDate";
constexpr char kBakFile[] = "bakfile";
constexpr char kFilterIndex[] = "filterindex";
constexpr char kInitialDir[] = "initialdir";
constexpr char kLineLength[] = "linelength";
constexpr char kTabSize[] = "tabsize";
constexpr char kWheelLines[] = "WheelLines";
constexpr char kKeyCnt[] = "KeyCnt";
constexpr char kKeyTable[] = "KeyTable";
constexpr char kFlags[] = "flags";
constexpr char kShowCmd[] = "showCmd";
constexpr char kRcNormal[] = "rcNormal";
} // namespace setting

// A face name field holds at most 31 characters and a NUL.
constexpr std::size_t kFaceNameSize = 32;
// The initial directory is read into a buffer of this many bytes (259 characters and a NUL).
constexpr std::size_t kInitialDirSize = 260;

// Ranges a stored number must lie in; outside them the default applies.
constexpr std::int32_t kMinLineLength = 256;
constexpr std::int32_t kMaxLineLength = 8192;
constexpr std::int32_t kMinTabSize = 2;
constexpr std::int32_t kMaxTabSize = 16;
constexpr std::int32_t kMinWheelLines = 1;
constexpr std::int32_t kMaxWheelLines = 50;
constexpr std::int32_t kMaxBakFile = 2;
constexpr std::int32_t kMinSpecialChar = 1;
constexpr std::int32_t kMaxSpecialChar = 255;
constexpr std::int32_t kMaxLeftMargin = 18;

// A font description with the members, order and sizes of the 32-bit GDI logical font record,
// so that the Win32 layer converts it member by member. The face name is not always
// NUL-terminated inside its field (a record filled from outside may use all 32 bytes), so it is
// only ever read through FaceName().
struct FontRecord {
    std::int32_t height = 0;      // logical units; negative: character height
    std::int32_t width = 0;       // average character width; 0 lets the font choose
    std::int32_t escapement = 0;  // tenths of a degree
    std::int32_t orientation = 0; // tenths of a degree
    std::int32_t weight = 0;      // 400 normal, 700 bold; 0 the font's own
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::array<char, kFaceNameSize> faceName{};

    // Up to the first NUL, and never more than kFaceNameSize - 1 characters.
    std::string_view FaceName() const;
    // Cut to kFaceNameSize - 1 characters; the rest of the field is zero.
    void SetFaceName(std::string_view name);
};
static_assert(sizeof(FontRecord) == 60, "FontRecord must match the 32-bit logical font record");

// The screen font before anything is read: all zero, "fixedsys", pitch-and-family 0x23.
FontRecord DefaultScreenFont();

// Largest cell a screen font may ask for, in logical units; beyond it a record is damaged.
constexpr std::int32_t kMaxScreenFontHeight = 512;
constexpr std::int32_t kMaxScreenFontWidth = 256;

// The record as the view may use it: upright (escapement and orientation 0), a height and width
// within the bounds above (else the font's own, 0), and fixed pitch asked for whatever the
// stored pitch bits say, since the view counts columns in cells of one width.
FontRecord SaneScreenFont(FontRecord font);

// Every option the Settings dialogs edit and "Save settings?" keeps. Colours are 0x00BBGGRR.
struct EditorSettings {
    // Screen font: only its face name, height, weight, pitch-and-family and character set are
    // stored (values font, height, weight, pitch, charset); the rest starts at zero every run.
    FontRecord screenFont = DefaultScreenFont();
    std::string prnFont = "Courier New";      // printer font face, at most 31 characters
    std::int32_t prnPitch = 12;               // printer font size in points
    std::int32_t tmargin = 2;                 // top margin of a printed page, in lines
    std::int32_t lmargin = 0;                 // left margin of a printed page, in spaces, 0..18
    bool pagenums = false;                    // print page numbers
    std::uint32_t color = 0x000000;           // text
    std::uint32_t bkColor = 0xC0C0C0;         // background
    std::uint32_t selectedColor = 0x000000;   // text of the marked block
    std::uint32_t selectedBkColor = 0x00FFFF; // background of the marked block
    bool hideScroll = false;                  // hide the horizontal scroll bar
    std::int32_t specialChar = 169;           // character "Write special char" inserts, 1..255
    bool readOnly = false;                    // the document may not be changed
    bool removeSpaces = true;                 // remove spaces from the end of lines when saving
    bool indent = false;                      // auto indent
    bool update = false;                      // update the header date and time when saving
    bool isoDate = false;                     // ISO 8601 dates
    std::int32_t bakFile = 0;                 // 0 no backup, 1 ".bak", 2 ".~" plus extension
    std::int32_t filterIndex = 4;             // filter index of the file dialogs
    std::int32_t lineLength = 256;            // longest line, 256..8192 characters
    std::int32_t tabSize = 8;                 // 2..16
    std::int32_t wheelLines = 20;             // lines per mouse-wheel click, 1..50
};

// What start-up reads from the Settings key.
struct LoadedSettings {
    EditorSettings options;
    std::string initialDir; // directory of the file dialogs; empty when none is stored
    // The start-up key table and whether it is the default one.
    LoadedKeyTable keys = LoadKeyTable(0, nullptr, 0);
};

// Reads every option, the initial directory and the start-up key table, each value falling back
// to its default on its own. A key table whose count is 0 (or is damaged beyond use) is the
// 41 default bindings.
LoadedSettings ReadSettings(const SettingsSource& source);

// Writes every option, in the order start-up reads them back.
void WriteOptions(SettingsSink& sink, const EditorSettings& settings);

} // namespace kestrel
