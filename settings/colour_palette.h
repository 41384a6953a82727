// The colours the colour dialog's track bars choose from.
#pragma once

#include <cstdint>

namespace kestrel {

// The distinct colours of the extended colour keywords of the web, as 0x00BBGGRR, in ascending
// order of that value.
class ColourPalette {
public:
    static constexpr std::int32_t kSize = 138;
    static constexpr std::int32_t kLastIndex = kSize - 1;

    // The colour at `index`; an index outside the palette is clamped to its ends.
    static std::uint32_t At(std::int32_t index);
    // The index of `colour`, or -1 when it is not in the palette.
    static std::int32_t IndexOf(std::uint32_t colour);
};

} // namespace kestrel
