// Tab-aware column arithmetic and bounded line copies.
#include "document/text_columns.h"

namespace kestrel {

std::int32_t ColumnToIndex(std::int32_t column, std::string_view text, std::int32_t tabSize) {
    std::int32_t index = 0;
    std::int32_t width = 0;
    for (char c : text) {
        if (width >= column) {
            return index;
        }
        if (c == '\t') {
            width = NextTabStop(width, tabSize);
            if (width > column) {
                return index;
            }
        } else {
            ++width;
        }
        ++index;
    }
    // The caret may stand beyond the end of the line: count the missing columns as spaces.
    return column > width ? index + (column - width) : index;
}

std::int32_t IndexToColumn(std::int32_t index, std::string_view text, std::int32_t tabSize) {
    std::int32_t width = 0;
    std::int32_t n = 0;
    for (char c : text) {
        if (n >= index) {
            break;
        }
        width = c == '\t' ? NextTabStop(width, tabSize) : width + 1;
        ++n;
    }
    return width;
}

std::int32_t ExpandTabs(char* destination, std::string_view source, std::int32_t tabSize,
                        std::size_t limit) {
    if (limit == 0) {
        return 0;
    }
    std::size_t room = limit - 1;
    std::size_t written = 0;
    for (char c : source) {
        if (written >= room) {
            break;
        }
        if (c == '\t') {
            const std::size_t stop = static_cast<std::size_t>(
                NextTabStop(static_cast<std::int32_t>(written), tabSize));
            while (written < stop && written < room) {
                destination[written++] = ' ';
            }
        } else {
            destination[written++] = c;
        }
    }
    destination[written] = '\0';
    return static_cast<std::int32_t>(written);
}

} // namespace kestrel
