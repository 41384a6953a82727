// The frame's title text, built from the document path.
#pragma once

#include <string>
#include <string_view>

namespace kestrel {

constexpr std::string_view kProductName = "Kestrel";

// The part of `path` after its last "\\", "/" or ":".
std::string_view FileNamePart(std::string_view path);

// "NOTES.TXT - Kestrel" for C:\DOCS\NOTES.TXT, "Untitled - Kestrel" for a new document; the
// file-name part is cut to 59 characters.
std::string FrameTitle(std::string_view path);

} // namespace kestrel
