// Reading and writing the option dialogs' edits and buttons.
#pragma once

#include <cstdint>

#include "framework/win32.h"

namespace kestrel {

class DialogFields {
public:
    explicit DialogFields(HWND dialog) : dialog_(dialog) {}

    // The edit's leading decimal number, as the option dialogs read it.
    std::int32_t Number(int id) const;
    void SetNumber(int id, std::int32_t value) const;
    bool Checked(int id) const;
    void SetChecked(int id, bool checked) const;

private:
    HWND dialog_;
};

} // namespace kestrel
