// The document the benchmarks edit: `lines` lines of "line NNNNNNN of the benchmark document",
// loaded into a line store the way the file loader fills it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "document/line_store.h"

namespace kestrel {

// Loads the document into `store` and announces its line count; false when memory runs out.
inline bool LoadBenchmarkDocument(LineStore& store, std::int32_t lines) {
    std::string text;
    text.reserve(static_cast<std::size_t>(lines) * 40);
    char line[64];
    for (std::int32_t i = 0; i < lines; ++i) {
        int n = std::snprintf(line, sizeof line, "line %07d of the benchmark document\n", i);
        text.append(line, static_cast<std::size_t>(n));
    }
    FileBuffer& file = store.GetFileBuffer();
    if (!store.BeginLoad() || !file.Reserve(text.size())) {
        return false;
    }
    std::memcpy(file.Data(), text.data(), text.size());
    file.SetLength(text.size());
    const char* start = file.Data();
    for (const char* p = start; p < file.Data() + text.size(); ++p) {
        if (*p == '\n') {
            if (!store.AppendLine(start, static_cast<std::int32_t>(p - start))) {
                return false;
            }
            start = p + 1;
        }
    }
    store.AdjustLineCount(0);
    return true;
}

} // namespace kestrel
