// Where a loaded file's lines go: each line the splitter finds becomes a record of the line
// store, pointing into the file buffer. A refused line (no room to grow) ends the split.
#pragma once

#include <cstdint>

#include "document/line_splitter.h"
#include "document/line_store.h"

namespace kestrel {

class LineStoreSink : public LineSink {
public:
    explicit LineStoreSink(LineStore& store) : store_(store) {}
    bool AddLine(const char* text, std::int32_t length) override {
        return store_.AppendLine(text, length);
    }

private:
    LineStore& store_;
};

} // namespace kestrel
