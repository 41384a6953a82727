// The lines the File Info dialog paints: the document's size and shape, and the printer page.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "print/page_layout.h"

namespace kestrel {

struct FileInfoFacts {
    std::int32_t lineCount = 0;
    std::int32_t longestLine = 0;    // the largest stored length
    std::int32_t lineLength = 0;     // longest line allowed, with its terminator
    std::int32_t visibleColumns = 0;
    std::int32_t visibleLines = 0;
    std::int32_t caretLength = 0;    // the caret line as stored
    std::int32_t caretExpanded = 0;  // and with its tabs expanded
    bool unixMode = false;
    bool hasPrinterDc = false;
    std::string printerName;
    std::string printerFont;
    std::int32_t printerPoints = 0;  // the size the printer font really has
    PageMetrics page;                // the printer page with the printer font
};

// Six lines about the document, and three about the printer only when there is a printer whose
// page and font measure more than nothing.
std::vector<std::string> FileInfoLines(const FileInfoFacts& facts);

} // namespace kestrel
