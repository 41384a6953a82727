// Conversions between stored character indices and display columns, and the bounded copies that
// turn a stored line into displayable text. Tab stops fall every `tabSize` columns from column 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kestrel {

// Every function below reads `text` up to its end or its first NUL, whichever comes first.
// A tab size below 1 is taken as 1.

// Character index that covers display `column`. A column inside a tab's expansion maps to the
// tab; a column beyond the end maps to the matching index beyond the end, as if the line were
// padded with spaces.
std::int32_t ColumnToIndex(std::int32_t column, std::string_view text, std::int32_t tabSize);

// Display width of the first `index` characters, or of the whole text if it is shorter.
std::int32_t IndexToColumn(std::int32_t index, std::string_view text, std::int32_t tabSize);

// Copies `source` into `destination` (`limit` bytes) with every tab replaced by spaces up to the
// next tab stop. Stops once limit - 1 characters are written, even inside a tab, and always
// NUL-terminates (nothing is written when limit is 0). Returns the characters written.
std::int32_t ExpandTabs(char* destination, std::string_view source, std::int32_t tabSize,
                        std::size_t limit);

// Copies at most n characters. A NUL met on the way is copied and ends the copy; otherwise no
// terminator is added.
void CopyBounded(char* destination, const char* source, std::size_t n);

} // namespace kestrel
