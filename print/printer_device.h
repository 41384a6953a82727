// The default printer as the profile names it, and the conversions between point sizes and the
// heights of a printer font.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrel {

struct PrinterDevice {
    std::string device; // the printer's name
    std::string driver;
    std::string port;
};

// Splits "device,driver,port" at its commas, each part trimmed of blanks. Nothing when a part
// is missing or empty (",,," means no printer).
std::optional<PrinterDevice> ParsePrinterDevice(std::string_view profile);

// The height of a font of `points` points on a device of `dotsPerInch` (negative: a character
// height), rounded; 0 when the device has no resolution.
std::int32_t PointsToHeight(std::int32_t points, std::int32_t dotsPerInch);

// Whole points of a font height (either sign), rounded; 0 when the device has no resolution.
std::int32_t HeightToPoints(std::int32_t height, std::int32_t dotsPerInch);

} // namespace kestrel
