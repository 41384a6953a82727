// Builds the frame title from the document path.
#include "shell/window_title.h"

namespace kestrel {

namespace {
constexpr std::size_t kMaxTitleName = 59;
}

std::string_view FileNamePart(std::string_view path) {
    std::size_t cut = path.find_last_of("\\/:");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::string FrameTitle(std::string_view path) {
    std::string_view name = FileNamePart(path).substr(0, kMaxTitleName);
    std::string title(name.empty() ? std::string_view("Untitled") : name);
    title += " - ";
    title += kProductName;
    return title;
}

} // namespace kestrel
