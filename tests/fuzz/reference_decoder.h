// A PalmDoc decoder written as plainly as the scheme reads, one byte at a
// time, to check the reader's decoder against. It refuses exactly what the
// reader's decoder refuses: a copy from distance 0 or before the output's
// start, and a literal run or copy whose bytes the output still takes but
// the stream does not have.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

inline std::optional<std::vector<uint8_t>> ReferenceDecode(const uint8_t* source, size_t sourceLength,
                                                           size_t textLength) {
    std::vector<uint8_t> out;
    size_t s = 0;
    while (out.size() < textLength && s < sourceLength) {
        const unsigned c = source[s++];
        if (c >= 1 && c <= 8) {
            for (unsigned i = 0; i < c && out.size() < textLength; ++i) {
                if (s >= sourceLength) return std::nullopt;
                out.push_back(source[s++]);
            }
        } else if (c < 0x80) {
            out.push_back(static_cast<uint8_t>(c));
        } else if (c < 0xC0) {
            if (s >= sourceLength) return std::nullopt;
            const unsigned v = c << 8 | source[s++];
            const size_t distance = (v >> 3) & 0x7FF;
            const size_t count = (v & 7) + 3;
            if (distance == 0 || distance > out.size()) return std::nullopt;
            for (size_t i = 0; i < count && out.size() < textLength; ++i)
                out.push_back(out[out.size() - distance]);
        } else {
            out.push_back(' ');
            if (out.size() < textLength) out.push_back(static_cast<uint8_t>(c ^ 0x80));
        }
    }
    if (out.size() != textLength) return std::nullopt;
    return out;
}
