// CompressText: every text comes back through the reader's decoder, and the
// stream is as small as the scheme allows.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "content/decompress.h"
#include "content/palmdoc_encode.h"
#include "platform/heap.h"
#include "tests/fuzz/reference_decoder.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

// English-like text: words, punctuation, capitals and paragraph NULs.
Bytes BookLikeText(size_t size, unsigned seed) {
    static const char* const kWords[] = {
        "the",    "of",     "and",   "a",      "to",    "in",      "is",      "day",
        "year",   "Shabbat", "light", "Torah",  "month", "reading", "blessing", "people",
        "who",    "when",   "first", "holiday", "it",    "that",    "for",     "with"};
    std::mt19937 random(seed);
    Bytes text;
    bool capital = true;
    while (text.size() < size) {
        std::string word = kWords[random() % std::size(kWords)];
        if (capital) word[0] = static_cast<char>(std::toupper(word[0]));
        capital = false;
        text.insert(text.end(), word.begin(), word.end());
        const unsigned mark = random() % 20;
        if (mark == 0) {
            text.push_back('.');
            capital = true;
        } else if (mark == 1) {
            text.push_back(',');
        } else if (mark == 2) {
            text.insert(text.end(), {'.', 0, 0x81, 0});
            capital = true;
            continue;
        }
        text.push_back(' ');
    }
    text.resize(size);
    return text;
}

// The fewest bytes that encode `text`, found without a match finder: every
// distance is tried at every position.
size_t SmallestStreamByExhaustiveSearch(const Bytes& text) {
    const size_t n = text.size();
    std::vector<size_t> cost(n + 1, 0);
    for (size_t i = n; i-- > 0;) {
        size_t longest = 0;
        for (size_t d = 1; d <= std::min<size_t>(i, 2047); ++d) {
            size_t length = 0;
            while (length < 10 && i + length < n && text[i + length] == text[i + length - d]) ++length;
            longest = std::max(longest, length);
        }
        size_t best = SIZE_MAX;
        for (size_t k = 1; k <= 8 && i + k <= n; ++k) best = std::min(best, 1 + k + cost[i + k]);
        const uint8_t b = text[i];
        if (b == 0 || (b >= 9 && b <= 0x7F)) best = std::min(best, 1 + cost[i + 1]);
        if (b == ' ' && i + 1 < n && text[i + 1] >= 0x40 && text[i + 1] <= 0x7F)
            best = std::min(best, 1 + cost[i + 2]);
        for (size_t length = 3; length <= longest; ++length) best = std::min(best, 2 + cost[i + length]);
        cost[i] = best;
    }
    return cost[0];
}

void ExpectRoundTrip(const Bytes& text, const Bytes& stream) {
    const auto reference = ReferenceDecode(stream.data(), stream.size(), text.size());
    ASSERT_TRUE(reference.has_value()) << "a plain decoder accepts the stream";
    EXPECT_TRUE(*reference == text);
    const DecompressJob job{stream.data(), static_cast<uint32_t>(stream.size()),
                            static_cast<uint32_t>(text.size())};
    char* decoded = DecompressText(&job, nullptr);
    ASSERT_NE(decoded, nullptr);
    EXPECT_TRUE(std::equal(text.begin(), text.end(), reinterpret_cast<uint8_t*>(decoded)));
    HeapBlockFree(decoded);
}

TEST(ContentEncode, TextsComeBackThroughTheDecoder) {
    std::mt19937 random(139);
    Bytes everyByte(512);
    for (size_t i = 0; i < everyByte.size(); ++i) everyByte[i] = static_cast<uint8_t>(i * 7);
    Bytes noise(65535);
    for (uint8_t& b : noise) b = static_cast<uint8_t>(random());
    // Repeats just inside and just outside the copy window of 2047 bytes.
    Bytes farRepeat = BookLikeText(2047, 1);
    const Bytes tail = Text("a phrase repeated far away");
    Bytes window = tail;
    window.insert(window.end(), farRepeat.begin(), farRepeat.end() - static_cast<long>(tail.size()));
    window.insert(window.end(), tail.begin(), tail.end());
    farRepeat = window;
    farRepeat.insert(farRepeat.begin(), 'x');

    const std::pair<const char*, Bytes> cases[] = {
        {"one byte", Text("a")},
        {"one high byte", {0xE9}},
        {"every byte value", everyByte},
        {"high bytes only", Bytes(100, 0xA0)},
        {"a long run", Bytes(5000, 'a')},
        {"space pairs and near misses", Text(" A \x7F \x80 ?  @")},
        {"repeat at the window's edge", window},
        {"repeat just beyond the window", farRepeat},
        {"book-like text of the largest size", BookLikeText(65535, 2)},
        {"noise of the largest size", noise},
    };
    for (const auto& [name, text] : cases) {
        SCOPED_TRACE(name);
        ExpectRoundTrip(text, CompressText(text));
    }
}

TEST(ContentEncode, ChoosesTheCheapestStepsOnSmallTexts) {
    const std::pair<std::string, size_t> cases[] = {
        {"aaaaaaaaaaa", 3},              // 'a', then a copy of 10 from one back
        {"abcabcabcabc", 5},             // "abc", then a copy of 9 from three back
        {" h", 1},                       // a space pair
        {" \x80", 3},                    // no pair: a space, then a run of one
        {"\x80\x81\x82\x83\x84\x85\x86\x87\x88", 11},  // runs of 8 and 1
        {"\x80\x80\x80\x80\x80\x80\x80\x80\x80", 4},   // a run of 1, a copy of 8
        {std::string("\0\t", 2), 2},     // bytes that stand for themselves
        // "the", " d", "ay,", " t", a copy of "he day, t", "e", " y", "ear"
        {"the day, the day, the year", 15},
    };
    for (const auto& [text, size] : cases) {
        SCOPED_TRACE(text);
        const Bytes stream = CompressText(Text(text));
        EXPECT_EQ(stream.size(), size);
        ExpectRoundTrip(Text(text), stream);
    }
}

TEST(ContentEncode, MatchesAnExhaustiveSearchForTheSmallestStream) {
    std::mt19937 random(5770);
    std::vector<Bytes> texts = {BookLikeText(3000, 3), BookLikeText(4000, 4)};
    for (int alphabet : {2, 3, 5}) {
        Bytes text(3000);
        for (uint8_t& b : text) b = static_cast<uint8_t>('a' + random() % alphabet);
        texts.push_back(text);
    }
    for (const Bytes& text : texts) {
        const Bytes stream = CompressText(text);
        EXPECT_EQ(stream.size(), SmallestStreamByExhaustiveSearch(text));
        ExpectRoundTrip(text, stream);
    }
}

}  // namespace
