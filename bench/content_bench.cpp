// Benchmarks of the content store on the whole book: decoding every lesson
// and the index (the reader's side; the goal is 500 MB/s of output or more),
// and compressing them (the book compiler's side), whose ratio is set beside
// that of a plain greedy PalmDoc encoder on the same text. Without the built
// book, an English-like text of the book's size stands in.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <random>
#include <span>
#include <vector>

#include "app/app_state.h"
#include "content/decompress.h"
#include "content/lesson_number.h"
#include "content/lesson_resource.h"
#include "content/palmdoc.h"
#include "content/palmdoc_encode.h"
#include "platform/heap.h"
#include "platform/win.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Corpus {
    std::vector<Bytes> texts;    // decoded
    std::vector<Bytes> streams;  // compressed
    size_t textBytes = 0;
    size_t streamBytes = 0;
    bool realBook = false;
};

#ifdef MORAVEL_HAVE_BOOK
void LoadTexts(Corpus* corpus) {
    HostLoadBookResources();
    for (int n = kFirstLesson; n <= kLastLesson + 1; ++n) {
        const int number = n > kLastLesson ? kIndexLessonNumber : n;
        HRSRC found = FindResourceW(App.Instance, MAKEINTRESOURCEW(number + kLessonResourceBase), RT_RCDATA);
        const auto* bytes = static_cast<const uint8_t*>(LockResource(LoadResource(App.Instance, found)));
        const size_t length = ReadWordBE(bytes + kResourceHeaderBytes + kTextLengthAt);
        char* text = LoadLesson(number, nullptr);
        corpus->texts.emplace_back(text, text + length);
        HeapBlockFree(text);
    }
    corpus->realBook = true;
}
#else
// 140 texts of English-like words and punctuation, about the book's size.
void LoadTexts(Corpus* corpus) {
    static const char* const kWords[] = {
        "the",   "of",   "and",  "a",     "to",     "in",      "is",       "day",   "year",
        "light", "Torah", "month", "reading", "blessing", "people", "who", "when", "first",
        "festival", "it", "that", "for",   "with",   "Shabbat", "remember", "house", "between"};
    std::mt19937 random(5770);
    for (int n = 0; n < kLessonCount + 1; ++n) {
        Bytes text = {0xC1, 0};
        const size_t size = 800 + random() % 4000;
        bool capital = true;
        while (text.size() < size) {
            std::string word = kWords[random() % std::size(kWords)];
            if (capital) word[0] = static_cast<char>(std::toupper(word[0]));
            text.insert(text.end(), word.begin(), word.end());
            capital = random() % 12 == 0;
            if (capital) text.push_back('.');
            if (capital && random() % 5 == 0) text.insert(text.end(), {0, 0x81, 0});
            else text.push_back(' ');
        }
        text.insert(text.end(), {0, 0, 0, 0});
        corpus->texts.push_back(text);
    }
}
#endif

const Corpus& BookCorpus() {
    static const Corpus corpus = [] {
        Corpus c;
        LoadTexts(&c);
        for (const Bytes& text : c.texts) {
            c.streams.push_back(CompressText(text));
            c.textBytes += text.size();
            c.streamBytes += c.streams.back().size();
        }
        return c;
    }();
    return corpus;
}

// The usual PalmDoc encoder, for comparison: at each position the longest
// copy if there is one, else a space pair, a byte standing for itself, or a
// literal run of the bytes that cannot.
Bytes CompressGreedy(std::span<const uint8_t> text) {
    constexpr int kChainLimit = 64;
    const size_t n = text.size();
    std::vector<int> head(1 << 16, -1);
    std::vector<int> previous(n, -1);
    const auto hash = [&](size_t i) { return (text[i] << 8 ^ text[i + 1] << 4 ^ text[i + 2]) & 0xFFFF; };
    const auto insert = [&](size_t i) {
        if (i + 3 > n) return;
        previous[i] = head[hash(i)];
        head[hash(i)] = static_cast<int>(i);
    };
    Bytes out;
    size_t i = 0;
    while (i < n) {
        size_t best = 0;
        size_t distance = 0;
        if (i + 3 <= n) {
            int chain = 0;
            for (int p = head[hash(i)]; p >= 0 && i - p <= kCopyMaxDistance && chain < kChainLimit;
                 p = previous[p], ++chain) {
                size_t length = 0;
                while (length < kCopyMaxCount && i + length < n && text[p + length] == text[i + length]) ++length;
                if (length > best) best = length, distance = i - p;
            }
        }
        if (best >= kCopyMinCount) {
            const uint16_t code = CopyCode(static_cast<int>(distance), static_cast<int>(best));
            out.push_back(static_cast<uint8_t>(code >> 8));
            out.push_back(static_cast<uint8_t>(code));
            for (size_t k = 0; k < best; ++k) insert(i + k);
            i += best;
        } else if (text[i] == ' ' && i + 1 < n && IsSpacePairNext(text[i + 1])) {
            out.push_back(static_cast<uint8_t>(text[i + 1] ^ kSpacePairFlip));
            insert(i);
            insert(i + 1);
            i += 2;
        } else if (IsSelfByte(text[i])) {
            out.push_back(text[i]);
            insert(i++);
        } else {
            size_t run = 0;
            while (run < kLiteralRunMax && i + run < n && !IsSelfByte(text[i + run])) ++run;
            out.push_back(static_cast<uint8_t>(run));
            for (size_t k = 0; k < run; ++k) {
                out.push_back(text[i]);
                insert(i++);
            }
        }
    }
    return out;
}

double GreedyRatio(const Corpus& corpus) {
    size_t bytes = 0;
    for (const Bytes& text : corpus.texts) bytes += CompressGreedy(text).size();
    return static_cast<double>(bytes) / static_cast<double>(corpus.textBytes);
}

void BM_DecodeBook(benchmark::State& state) {
    const Corpus& corpus = BookCorpus();
    for (auto _ : state) {
        for (size_t i = 0; i < corpus.streams.size(); ++i) {
            const DecompressJob job{corpus.streams[i].data(), static_cast<uint32_t>(corpus.streams[i].size()),
                                    static_cast<uint32_t>(corpus.texts[i].size())};
            char* text = DecompressText(&job, nullptr);
            benchmark::DoNotOptimize(text);
            HeapBlockFree(text);
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * corpus.textBytes));
    state.counters["book_bytes"] = static_cast<double>(corpus.textBytes);
    state.counters["real_book"] = corpus.realBook;
}
BENCHMARK(BM_DecodeBook)->Unit(benchmark::kMicrosecond);

void BM_EncodeBook(benchmark::State& state) {
    const Corpus& corpus = BookCorpus();
    size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (const Bytes& text : corpus.texts) bytes += CompressText(text).size();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * corpus.textBytes));
    state.counters["ratio"] = static_cast<double>(bytes) / static_cast<double>(corpus.textBytes);
    state.counters["greedy_ratio"] = GreedyRatio(corpus);
    state.counters["real_book"] = corpus.realBook;
}
BENCHMARK(BM_EncodeBook)->Unit(benchmark::kMillisecond);

void BM_EncodeBookGreedy(benchmark::State& state) {
    const Corpus& corpus = BookCorpus();
    for (auto _ : state)
        for (const Bytes& text : corpus.texts) benchmark::DoNotOptimize(CompressGreedy(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * corpus.textBytes));
    state.counters["ratio"] = GreedyRatio(corpus);
}
BENCHMARK(BM_EncodeBookGreedy)->Unit(benchmark::kMillisecond);

}  // namespace
