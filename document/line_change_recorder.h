// What the line store tells whoever keeps a history of its changes: which line records an edit
// is about to replace, while the old ones can still be read.
#pragma once

#include <cstdint>

#include "document/line_record.h"

namespace kestrel {

class LineChangeRecorder {
public:
    // Records [first, first + oldCount) are about to be replaced by newCount records.
    // `oldRecords` points at the first of them in the store's table and is valid only during the
    // call. The store never writes over the bytes such records point to while a recorder is
    // attached, so a copy of them stays readable until the next load.
    virtual void BeforeReplace(const LineRecord* oldRecords, std::int32_t first,
                               std::int32_t oldCount, std::int32_t newCount) = 0;

protected:
    ~LineChangeRecorder() = default;
};

} // namespace kestrel
