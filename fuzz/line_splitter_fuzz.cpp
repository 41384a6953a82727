// Fuzz target for line splitting: any bytes, any limits. The split must stay inside the data,
// keep every line below the limit, account for every input byte, and agree with a plain
// byte-at-a-time model of the splitting rules.
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "document/line_splitter.h"

namespace {

using kestrel::LineSink;

void Check(bool ok) {
    if (!ok) {
        __builtin_trap();
    }
}

struct Record {
    const char* text;
    std::int32_t length;
};

class RecordSink : public LineSink {
public:
    explicit RecordSink(long refuseAt) : refuseAt_(refuseAt) {}
    bool AddLine(const char* text, std::int32_t length) override {
        if (static_cast<long>(records.size()) == refuseAt_) {
            return false;
        }
        records.push_back({text, length});
        return true;
    }
    std::vector<Record> records;

private:
    long refuseAt_;
};

// The splitting rules one byte at a time, with nothing clever in them.
std::vector<Record> ModelSplit(const char* data, std::size_t size, int lineLength, int tabSize,
                               int& cuts) {
    std::vector<Record> records;
    const char* p = data;
    const char* end = data + size;
    cuts = 0;
    for (;;) {
        if (p < end && *p == '\r') {
            ++p;
        }
        const char* text = p;
        int count = 0;
        int width = 0;
        bool cut = false;
        while (p < end && *p != '\r' && *p != '\n') {
            ++count;
            width = *p == '\t' ? (width / tabSize + 1) * tabSize : width + 1;
            if (count >= lineLength - 1 || width >= lineLength - 1) {
                if (p + 1 == end || p[1] == '\r' || p[1] == '\n') {
                    ++p;
                    continue;
                }
                ++p;
                cut = true;
                break;
            }
            ++p;
        }
        records.push_back({text, count});
        if (cut) {
            ++cuts;
            continue;
        }
        if (p < end && *p == '\r') {
            ++p;
        }
        if (p < end && *p == '\n') {
            ++p;
            continue;
        }
        if (p == end) {
            return records;
        }
    }
}

bool ModelUnixMode(const char* data, std::size_t size) {
    int crs = 0;
    int lfs = 0;
    for (std::size_t i = 0; i < size && lfs < 5; ++i) {
        crs += data[i] == '\r';
        lfs += data[i] == '\n';
    }
    return lfs > 0 && crs == 0;
}

// At the very start and the very end of the data only a single CR can be left out.
bool IsSkippedCr(const char* from, const char* to) {
    return to == from || (to - from == 1 && *from == '\r');
}

// The bytes between two lines are what the line end removed: at most CR LF and a CR skipped at
// the start of the next line, in that order. After a cut line there are none.
bool IsRemovedLineEnd(const char* from, const char* to, bool afterCut) {
    if (afterCut) {
        return from == to;
    }
    static const char* const kAllowed[] = {"", "\r", "\n", "\r\n", "\r\r", "\n\r", "\r\n\r"};
    for (const char* allowed : kAllowed) {
        std::size_t length = std::strlen(allowed);
        if (static_cast<std::size_t>(to - from) == length &&
            std::memcmp(from, allowed, length) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t inputSize) {
    if (inputSize < 3) {
        return 0;
    }
    // Small limits give many cuts in small inputs; the setting's real range is covered too.
    int lineLength = input[0] < 200 ? 2 + input[0] : 256 + (input[0] - 200) * 144;
    int tabSize = 1 + input[1] % 16;
    long refuseAt = input[2] < 16 ? input[2] : -1;
    std::size_t size = inputSize - 3;
    // An exact-size copy, so that reading one byte too far is caught by the address sanitizer.
    std::unique_ptr<char[]> data(new char[size]);
    if (size > 0) {
        std::memcpy(data.get(), input + 3, size);
    }
    const char* begin = data.get();
    const char* end = begin + size;

    RecordSink sink(refuseAt);
    kestrel::SplitResult result = kestrel::SplitBuffer(begin, size, lineLength, tabSize, sink);
    int modelCuts = 0;
    std::vector<Record> model = ModelSplit(begin, size, lineLength, tabSize, modelCuts);

    Check(result.lineCount == static_cast<std::int32_t>(sink.records.size()));
    Check(sink.records.size() <= model.size());
    for (std::size_t i = 0; i < sink.records.size(); ++i) {
        Check(sink.records[i].text == model[i].text && sink.records[i].length == model[i].length);
    }
    if (refuseAt >= 0 && refuseAt < static_cast<long>(model.size())) {
        Check(!result.complete && result.lineCount == refuseAt);
        return 0;
    }
    Check(result.complete && sink.records.size() == model.size() && result.cutLines == modelCuts);

    // Every record lies inside the data, stays below the limit, and together with the removed
    // line ends the records cover the input exactly once, in order.
    const char* covered = begin;
    bool afterCut = false;
    int cuts = 0;
    for (const Record& record : sink.records) {
        Check(record.length >= 0 && record.length < lineLength);
        Check(record.text >= covered && record.text <= end && record.length <= end - record.text);
        Check(std::memchr(record.text, '\r', static_cast<std::size_t>(record.length)) == nullptr);
        Check(std::memchr(record.text, '\n', static_cast<std::size_t>(record.length)) == nullptr);
        Check(&record == &sink.records.front() ? IsSkippedCr(covered, record.text)
                                               : IsRemovedLineEnd(covered, record.text, afterCut));
        covered = record.text + record.length;
        afterCut = covered < end && *covered != '\r' && *covered != '\n' && covered != record.text;
        cuts += afterCut;
    }
    Check(cuts == result.cutLines);
    Check(IsSkippedCr(covered, end));

    Check(kestrel::DetectUnixMode(begin, size) == ModelUnixMode(begin, size));
    return 0;
}
