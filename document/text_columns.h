// Conversions between stored character indices and display columns, and the bounded copies that
// turn a stored line into displayable text. Tab stops fall every `tabSize` columns from column 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kestrel {

// Every function below reads the whole of `text`: a NUL byte is an ordinary character one
// column wide. A tab size below 1 is taken as 1.

// The display column of the tab stop after `width` columns: the one rule for tabs everywhere.
constexpr std::int32_t NextTabStop(std::int32_t width, std::int32_t tabSize) {
    return tabSize < 1 ? width + 1 : width - width % tabSize + tabSize;
}

// Character index that covers display `column`. A column inside a tab's expansion maps to the
// tab; a column beyond the end maps to the matching index beyond the end, as if the line were
// padded with spaces.
std::int32_t ColumnToIndex(std::int32_t column, std::string_view text, std::int32_t tabSize);

// Display width of the first `index` characters, or of the whole text if it is shorter.
std::int32_t IndexToColumn(std::int32_t index, std::string_view text, std::int32_t tabSize);

// Copies `source` into `destination` (`limit` bytes) with every tab replaced by spaces up to the
// next tab stop. Stops once limit - 1 characters are written, even inside a tab, and always
// NUL-terminates (nothing is written when limit is 0). NUL bytes of the source are copied as
// they are. Returns the characters written.
std::int32_t ExpandTabs(char* destination, std::string_view source, std::int32_t tabSize,
                        std::size_t limit);

} // namespace kestrel
