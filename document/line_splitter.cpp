// Line splitting: one pass over the file bytes that hands each line to a sink and copies no text.
#include "document/line_splitter.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "document/text_columns.h"

// The 32-bit build targets processors without SSE2 by default, so there SSE2 is switched on for
// the one function that uses it, and that function runs only when the processor reports SSE2.
#if defined(__SSE2__)
#include <emmintrin.h>
#define KESTREL_HAS_SSE2_PATH 1
#define KESTREL_TARGET_SSE2
#elif defined(__i386__)
#include <emmintrin.h>
#define KESTREL_HAS_SSE2_PATH 1
#define KESTREL_TARGET_SSE2 __attribute__((target("sse2")))
#endif

namespace kestrel {

namespace {

constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr char kTab = '\t';

// Larger limits than any setting allows are cut back so that widths stay far from overflow.
constexpr std::int32_t kLargestLimit = 1 << 24;

// ---- Finding the next byte that needs a closer look ------------------------------------------

// Lines are found by their CR, LF and tab bytes alone; everything else is plain text. The data is
// marked 64 bytes at a time, one bit per byte, and the split walks from mark to mark, so that the
// cost per line is a few instructions and not one test per byte.
constexpr std::ptrdiff_t kBlockBytes = 64;

inline bool IsMarked(char c) {
    return c == kCr || c == kLf || c == kTab;
}

std::uint64_t MarkBlockPlain(const char* block) {
    std::uint64_t marks = 0;
    for (int i = 0; i < kBlockBytes; ++i) {
        marks |= static_cast<std::uint64_t>(IsMarked(block[i])) << i;
    }
    return marks;
}

#if defined(KESTREL_HAS_SSE2_PATH)
KESTREL_TARGET_SSE2 std::uint64_t MarkBlockSse2(const char* block) {
    const __m128i cr = _mm_set1_epi8(kCr);
    const __m128i lf = _mm_set1_epi8(kLf);
    const __m128i tab = _mm_set1_epi8(kTab);
    std::uint64_t marks = 0;
    for (int i = 0; i < kBlockBytes; i += 16) {
        __m128i bytes;
        std::memcpy(&bytes, block + i, sizeof bytes);
        __m128i hits =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf)),
                         _mm_cmpeq_epi8(bytes, tab));
        marks |= static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(hits)))
                 << i;
    }
    return marks;
}
#endif

#if defined(KESTREL_HAS_SSE2_PATH)
KESTREL_TARGET_SSE2 std::size_t CountLineFeedsSse2(const char* data, std::size_t size) {
    const __m128i lf = _mm_set1_epi8(kLf);
    const __m128i zero = _mm_setzero_si128();
    std::size_t count = 0;
    std::size_t i = 0;
    while (size - i >= 16) {
        // Each byte lane counts up to 255 line feeds before the lanes are summed.
        __m128i lanes = zero;
        const std::size_t blocks = std::min<std::size_t>((size - i) / 16, 255);
        for (std::size_t b = 0; b < blocks; ++b, i += 16) {
            __m128i bytes;
            std::memcpy(&bytes, data + i, sizeof bytes);
            lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(bytes, lf));
        }
        const __m128i sums = _mm_sad_epu8(lanes, zero);
        count += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
                 static_cast<std::size_t>(_mm_extract_epi16(sums, 4));
    }
    for (; i < size; ++i) {
        count += data[i] == kLf;
    }
    return count;
}
#endif

bool CanUseSse2() {
#if defined(__SSE2__)
    return true;
#elif defined(__i386__)
    return __builtin_cpu_supports("sse2");
#else
    return false;
#endif
}

// Finds marked bytes for one split. Positions asked for never move backwards, so every block is
// marked at most once.
class MarkFinder {
public:
    MarkFinder(const char* data, const char* end) : data_(data), end_(end), sse2_(CanUseSse2()) {}

    // The first CR, LF or tab in [p, limit), or limit.
    const char* Find(const char* p, const char* limit) {
        while (p < limit) {
            if (block_ == nullptr || p - block_ >= kBlockBytes) {
                Load(data_ + (p - data_) / kBlockBytes * kBlockBytes);
            }
            std::uint64_t ahead = marks_ >> (p - block_);
            if (ahead != 0) {
                const char* found = p + __builtin_ctzll(ahead);
                return found < limit ? found : limit;
            }
            p = block_ + kBlockBytes;
        }
        return limit;
    }

private:
    void Load(const char* block) {
        block_ = block;
        if (end_ - block >= kBlockBytes) {
            marks_ = Mark(block);
            return;
        }
        // The last, partial block is marked from a padded copy: nothing past the data is read.
        char padded[kBlockBytes] = {};
        std::memcpy(padded, block, static_cast<std::size_t>(end_ - block));
        marks_ = Mark(padded);
    }

    std::uint64_t Mark(const char* block) const {
#if defined(KESTREL_HAS_SSE2_PATH)
        if (sse2_) {
            return MarkBlockSse2(block);
        }
#endif
        return MarkBlockPlain(block);
    }

    const char* data_;
    const char* end_;
    bool sse2_;                   // the processor has SSE2
    const char* block_ = nullptr; // start of the block whose marks are held
    std::uint64_t marks_ = 0;     // bit i: byte block_[i] is CR, LF or tab
};

// ---- One line ------------------------------------------------------------------------------

struct LineEnd {
    const char* end; // one past the line's last character
    bool cut;        // the line was cut at the limit and its rest follows at `end`
};

// Finds the end of the line that starts at `p`. `limit` is lineLength - 1: the most characters,
// and the widest display width, that a line may reach. The width is never below the character
// count, so a run of plain characters can go on for limit - width bytes before the limit is met;
// such runs are searched in bulk and only tabs are taken one at a time.
LineEnd ScanLine(const char* p, const char* end, std::int32_t limit, std::int32_t tabSize,
                 MarkFinder& marks) {
    std::int32_t count = 0;
    std::int32_t width = 0;
    for (;;) {
        std::size_t room =
            std::min(static_cast<std::size_t>(end - p), static_cast<std::size_t>(limit - width));
        const char* runEnd = p + room;
        const char* found = marks.Find(p, runEnd);
        std::int32_t run = static_cast<std::int32_t>(found - p);
        count += run;
        width += run;
        p = found;
        if (found == runEnd) {
            break;
        }
        if (*found != kTab) {
            return {found, false};
        }
        ++count;
        width = NextTabStop(width, tabSize);
        ++p;
        if (count >= limit || width >= limit) {
            break;
        }
    }
    // Either the data ended or the limit was reached with the byte just taken. A line end or the
    // end of the data right behind the limit ends the line normally; anything else is cut off.
    bool cut = p < end && *p != kCr && *p != kLf;
    return {p, cut};
}

} // namespace

// ---- Splitting -------------------------------------------------------------------------------

SplitResult SplitBuffer(const char* data, std::size_t size, std::int32_t lineLength,
                        std::int32_t tabSize, LineSink& sink) {
    const std::int32_t limit = std::clamp(lineLength, 2, kLargestLimit) - 1;
    tabSize = std::clamp(tabSize, 1, kLargestLimit);
    const char* p = data;
    const char* const end = data + size;
    MarkFinder marks(data, end);
    SplitResult result;
    for (;;) {
        if (p < end && *p == kCr) {
            ++p;
        }
        LineEnd line = ScanLine(p, end, limit, tabSize, marks);
        if (result.lineCount == std::numeric_limits<std::int32_t>::max() ||
            !sink.AddLine(p, static_cast<std::int32_t>(line.end - p))) {
            result.complete = false;
            return result;
        }
        ++result.lineCount;
        p = line.end;
        if (line.cut) {
            ++result.cutLines;
            continue;
        }
        if (p < end && *p == kCr) {
            ++p;
        }
        if (p < end && *p == kLf) {
            ++p;
            continue;
        }
        if (p == end) {
            return result;
        }
    }
}

// ---- Line-end style and the load warning ----------------------------------------------------

bool DetectUnixMode(const char* data, std::size_t size) {
    const char* const end = data + size;
    const char* scanned = data;
    int lineFeeds = 0;
    while (lineFeeds < 5) {
        const void* next = std::memchr(scanned, kLf, static_cast<std::size_t>(end - scanned));
        if (next == nullptr) {
            scanned = end;
            break;
        }
        scanned = static_cast<const char*>(next) + 1;
        ++lineFeeds;
    }
    return lineFeeds > 0 &&
           std::memchr(data, kCr, static_cast<std::size_t>(scanned - data)) == nullptr;
}

std::size_t CountLineFeeds(const char* data, std::size_t size) {
#if defined(KESTREL_HAS_SSE2_PATH)
    static const bool sse2 = CanUseSse2();
    if (sse2) {
        return CountLineFeedsSse2(data, size);
    }
#endif
    return static_cast<std::size_t>(std::count(data, data + size, kLf));
}

std::string LinesCutWarning(std::int32_t lineLength) {
    return "One or more lines is longer than " + std::to_string(lineLength - 1) +
           " characters.\nIt will be wrapped to the next line.";
}

} // namespace kestrel
