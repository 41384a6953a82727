// Reading the printer profile and converting font sizes.
#include "print/printer_device.h"

#include <cstdint>
#include <cstdlib>

namespace kestrel {

namespace {

std::string_view Trimmed(std::string_view text) {
    std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) {
        return {};
    }
    std::size_t end = text.find_last_not_of(" \t");
    return text.substr(begin, end - begin + 1);
}

// Multiplies and divides with rounding half away from zero, as the system's MulDiv does.
std::int32_t MulDivRounded(std::int32_t number, std::int32_t numerator, std::int32_t divisor) {
    if (divisor == 0) {
        return 0;
    }
    std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    bool negative = (product < 0) != (divisor < 0);
    std::int64_t magnitude = std::llabs(product);
    std::int64_t by = std::llabs(static_cast<std::int64_t>(divisor));
    std::int64_t quotient = (magnitude + by / 2) / by;
    if (quotient > INT32_MAX) {
        quotient = INT32_MAX;
    }
    return static_cast<std::int32_t>(negative ? -quotient : quotient);
}

} // namespace

std::optional<PrinterDevice> ParsePrinterDevice(std::string_view profile) {
    std::string_view parts[3];
    for (std::string_view& part : parts) {
        std::size_t comma = profile.find(',');
        part = Trimmed(profile.substr(0, comma));
        profile = comma == std::string_view::npos ? std::string_view() : profile.substr(comma + 1);
        if (part.empty()) {
            return std::nullopt;
        }
    }
    // Anything after the port (a further comma) is not part of it.
    return PrinterDevice{std::string(parts[0]), std::string(parts[1]), std::string(parts[2])};
}

std::int32_t PointsToHeight(std::int32_t points, std::int32_t dotsPerInch) {
    return -MulDivRounded(points, dotsPerInch, 72);
}

std::int32_t HeightToPoints(std::int32_t height, std::int32_t dotsPerInch) {
    return MulDivRounded(height < 0 ? -height : height, 72, dotsPerInch);
}

} // namespace kestrel
