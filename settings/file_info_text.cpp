// Composes the File Info lines.
#include "settings/file_info_text.h"

namespace kestrel {

std::vector<std::string> FileInfoLines(const FileInfoFacts& facts) {
    using std::to_string;
    std::vector<std::string> lines;
    lines.push_back(to_string(facts.lineCount) + " lines in file");
    lines.push_back("Longest line: " + to_string(facts.longestLine));
    lines.push_back("Longest line allowed: " + to_string(facts.lineLength - 1));
    lines.push_back(to_string(facts.visibleColumns) + " x " + to_string(facts.visibleLines) +
                    " window size");
    lines.push_back(to_string(facts.caretLength) + " / " + to_string(facts.caretExpanded) +
                    " current length / expanded length");
    lines.push_back(facts.unixMode ? "Unix text (no CR's)" : "DOS text (CR/LF)");
    const PageMetrics& page = facts.page;
    if (!facts.hasPrinterDc || page.charWidth <= 0 || page.lineHeight <= 0 ||
        page.pageWidth <= 0 || page.pageHeight <= 0) {
        return lines;
    }
    lines.push_back(facts.printerName);
    lines.push_back(facts.printerFont + " - " + to_string(facts.printerPoints) + " pt");
    lines.push_back(to_string(page.pageWidth / page.charWidth) + " x " +
                    to_string(page.pageHeight / page.lineHeight) + " page size");
    return lines;
}

} // namespace kestrel
