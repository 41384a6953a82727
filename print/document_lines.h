// The whole document as the text to print: one segment per line, each fetched once.
#pragma once

#include <cstdint>

#include "document/line_store.h"
#include "print/page_layout.h"

namespace kestrel {

class DocumentLines : public PrintSource {
public:
    explicit DocumentLines(const LineStore& store) : store_(store) {}

    std::string_view First(bool& last) override;
    std::string_view Next(bool& last) override;

private:
    const LineStore& store_;
    std::int32_t line_ = 0;
};

} // namespace kestrel
