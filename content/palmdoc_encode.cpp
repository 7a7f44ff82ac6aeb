// PalmDoc compression by optimal parse. Every step has a fixed cost in bytes
// (a copy costs 2 whatever its distance), so the cheapest encoding of the
// text from each position onwards follows from the positions after it, and
// only the longest copy at each position needs finding: any shorter length
// is available from the same distance.
#include "content/palmdoc_encode.h"

#include <algorithm>
#include <cstddef>

#include "content/palmdoc.h"

namespace {

// The hash table grows with the text up to this many bits; its size changes
// only how many positions share a chain, never which copy is found.
constexpr int kMaxHashBits = 15;
constexpr int kMinHashBits = 8;
constexpr uint32_t kNoPosition = UINT32_MAX;

// Cost in compressed bytes of each kind of step.
constexpr uint32_t kSelfByteCost = 1;
constexpr uint32_t kSpacePairCost = 1;
constexpr uint32_t kCopyCost = 2;
constexpr uint32_t kLiteralRunOverhead = 1;  // plus one per byte carried

enum StepKind : uint8_t { kStepSelf, kStepSpacePair, kStepLiteralRun, kStepCopy };

struct Step {
    StepKind kind;
    uint8_t length;  // bytes of text the step produces
};

struct Match {
    uint8_t length;     // 0, or 3..10
    uint16_t distance;  // 1..2047 when length is not 0
};

uint32_t Hash3(const uint8_t* p, int bits) {
    const uint32_t v = static_cast<uint32_t>(p[0]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[2];
    return (v * 2654435761u) >> (32 - bits);
}

// The longest copy available at every position, found through chains of
// earlier positions that share a hash of their next three bytes.
std::vector<Match> FindLongestCopies(std::span<const uint8_t> text) {
    const size_t n = text.size();
    std::vector<Match> matches(n, Match{0, 0});
    if (n < static_cast<size_t>(kCopyMinCount)) return matches;
    int bits = kMinHashBits;
    while (bits < kMaxHashBits && (size_t{1} << bits) < n) ++bits;
    std::vector<uint32_t> head(size_t{1} << bits, kNoPosition);
    std::vector<uint32_t> previous(n, kNoPosition);
    const uint8_t* t = text.data();
    for (size_t i = 0; i + kCopyMinCount <= n; ++i) {
        const uint32_t h = Hash3(t + i, bits);
        const size_t maxLength = std::min<size_t>(kCopyMaxCount, n - i);
        size_t best = 0;
        size_t bestDistance = 0;
        for (uint32_t p = head[h]; p != kNoPosition && i - p <= static_cast<size_t>(kCopyMaxDistance);
             p = previous[p]) {
            // The source may run into the bytes being matched: an
            // overlapping copy repeats them, and the text is known in full.
            if (best > 0 && t[p + best] != t[i + best]) continue;
            size_t length = 0;
            while (length < maxLength && t[p + length] == t[i + length]) ++length;
            // The nearest position of the greatest length wins, whatever
            // else shares its chain.
            if (length > best) {
                best = length;
                bestDistance = i - p;
                if (best == maxLength) break;
            }
        }
        if (best >= static_cast<size_t>(kCopyMinCount))
            matches[i] = Match{static_cast<uint8_t>(best), static_cast<uint16_t>(bestDistance)};
        previous[i] = head[h];
        head[h] = static_cast<uint32_t>(i);
    }
    return matches;
}

}  // namespace

std::vector<uint8_t> CompressText(std::span<const uint8_t> text) {
    const size_t n = text.size();
    const uint8_t* t = text.data();
    const std::vector<Match> matches = FindLongestCopies(text);

    // cost[i]: the fewest bytes that encode text[i, n); step[i]: how.
    std::vector<uint32_t> cost(n + 1, 0);
    std::vector<Step> step(n, Step{kStepSelf, 1});
    for (size_t i = n; i-- > 0;) {
        uint32_t best = UINT32_MAX;
        Step choice{kStepSelf, 1};
        auto consider = [&](StepKind kind, size_t length, uint32_t stepCost) {
            const uint32_t total = stepCost + cost[i + length];
            if (total < best) {
                best = total;
                choice = Step{kind, static_cast<uint8_t>(length)};
            }
        };
        if (matches[i].length)
            for (size_t length = matches[i].length; length >= static_cast<size_t>(kCopyMinCount);
                 --length)
                consider(kStepCopy, length, kCopyCost);
        if (t[i] == ' ' && i + 1 < n && IsSpacePairNext(t[i + 1]))
            consider(kStepSpacePair, 2, kSpacePairCost);
        if (IsSelfByte(t[i])) consider(kStepSelf, 1, kSelfByteCost);
        const size_t longestRun = std::min<size_t>(kLiteralRunMax, n - i);
        for (size_t length = 1; length <= longestRun; ++length)
            consider(kStepLiteralRun, length,
                     kLiteralRunOverhead + static_cast<uint32_t>(length));
        cost[i] = best;
        step[i] = choice;
    }

    std::vector<uint8_t> out;
    out.reserve(cost[0]);
    for (size_t i = 0; i < n; i += step[i].length) {
        const Step s = step[i];
        switch (s.kind) {
            case kStepSelf:
                out.push_back(t[i]);
                break;
            case kStepSpacePair:
                out.push_back(static_cast<uint8_t>(t[i + 1] ^ kSpacePairFlip));
                break;
            case kStepLiteralRun:
                out.push_back(s.length);
                out.insert(out.end(), t + i, t + i + s.length);
                break;
            case kStepCopy: {
                const uint16_t code = CopyCode(matches[i].distance, s.length);
                out.push_back(static_cast<uint8_t>(code >> 8));
                out.push_back(static_cast<uint8_t>(code & 0xFF));
                break;
            }
        }
    }
    return out;
}
