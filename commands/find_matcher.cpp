// Horspool's search in both directions, with a byte fold table standing for the case rule, so a
// search without case costs one table look-up more per compared byte and nothing else.
#include "commands/find_matcher.h"

namespace kestrel {

namespace {

unsigned char Byte(char c) { return static_cast<unsigned char>(c); }

} // namespace

FindMatcher::FindMatcher(std::string_view pattern, bool matchCase) : pattern_(pattern) {
    for (std::size_t c = 0; c < fold_.size(); ++c) {
        fold_[c] = static_cast<unsigned char>(c);
    }
    if (!matchCase) {
        for (int c = 'A'; c <= 'Z'; ++c) {
            fold_[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c - 'A' + 'a');
        }
    }
    for (char& c : pattern_) {
        c = static_cast<char>(fold_[Byte(c)]);
    }
    const std::size_t m = pattern_.size();
    // Every raw byte takes the skip of the byte it folds to, so a look-up needs no folding.
    std::array<std::size_t, 256> forward{};
    std::array<std::size_t, 256> backward{};
    forward.fill(m > 0 ? m : 1);
    backward.fill(m > 0 ? m : 1);
    for (std::size_t i = 0; i + 1 < m; ++i) {
        forward[Byte(pattern_[i])] = m - 1 - i;
    }
    for (std::size_t i = m; i-- > 1;) {
        backward[Byte(pattern_[i])] = i;
    }
    for (std::size_t c = 0; c < fold_.size(); ++c) {
        skipForward_[c] = forward[fold_[c]];
        skipBackward_[c] = backward[fold_[c]];
    }
}

bool FindMatcher::MatchesAt(const char* text) const {
    for (std::size_t i = 0; i < pattern_.size(); ++i) {
        if (fold_[Byte(text[i])] != Byte(pattern_[i])) {
            return false;
        }
    }
    return true;
}

std::size_t FindMatcher::FindForward(std::string_view text, std::size_t from) const {
    const std::size_t m = pattern_.size();
    const std::size_t n = text.size();
    if (from > n || n - from < m) {
        return kNotFound;
    }
    if (m == 0) {
        return from;
    }
    const char* bytes = text.data();
    const unsigned char last = Byte(pattern_[m - 1]);
    for (std::size_t at = from; at <= n - m;) {
        const unsigned char c = Byte(bytes[at + m - 1]);
        if (fold_[c] == last && MatchesAt(bytes + at)) {
            return at;
        }
        at += skipForward_[c];
    }
    return kNotFound;
}

std::size_t FindMatcher::FindBackward(std::string_view text, std::size_t end) const {
    const std::size_t m = pattern_.size();
    if (end > text.size()) {
        end = text.size();
    }
    if (end < m) {
        return kNotFound;
    }
    if (m == 0) {
        return end;
    }
    const char* bytes = text.data();
    const unsigned char first = Byte(pattern_[0]);
    for (std::size_t at = end - m;;) {
        const unsigned char c = Byte(bytes[at]);
        if (fold_[c] == first && MatchesAt(bytes + at)) {
            return at;
        }
        const std::size_t skip = skipBackward_[c];
        if (at < skip) {
            return kNotFound;
        }
        at -= skip;
    }
}

} // namespace kestrel
