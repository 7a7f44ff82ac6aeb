// The text view engine on the host's recording device: laying out the
// book's longest lesson again after a resize, the whole book, and drawing
// one screenful. Without the built book, a synthetic lesson of the longest
// lesson's size stands in.
#include <benchmark/benchmark.h>

#include <vector>

#include "app/app_state.h"
#include "content/lesson_number.h"
#include "content/lesson_resource.h"
#include "platform/heap.h"
#include "platform/win.h"
#include "tests/common/lesson_builder.h"
#include "view/layout.h"
#include "view/render.h"
#include "view/text_view.h"

namespace {

constexpr int kTypicalWidth = 760;
constexpr int kTypicalHeight = 620;

// The book's lessons, or one synthetic lesson without the book.
const std::vector<char*>& Book() {
    static std::vector<char*> lessons = [] {
        std::vector<char*> texts;
#ifdef MORAVEL_HAVE_BOOK
        HostLoadBookResources();
        for (int n = kFirstLesson; n <= kLastLesson; ++n) {
            int error = 0;
            if (char* text = LoadLesson(n, &error)) texts.push_back(text);
        }
#endif
        if (texts.empty()) texts.push_back(SyntheticLesson(26));
        return texts;
    }();
    return lessons;
}

char* Longest() {
    char* longest = nullptr;
    for (char* text : Book())
        if (!longest || LessonSize(text) > LessonSize(longest)) longest = text;
    return longest;
}

TextView* MakeView(HDC dc) {
    FontSettings settings{};
    settings.pointSize = 12;
    RECT area{8, 30, 8 + kTypicalWidth, 30 + kTypicalHeight};
    return CreateTextView(dc, &area, &settings, 100);
}

// The view borrows the book's texts; it must not free them.
void Release(TextView* view) {
    view->text = nullptr;
    ReleaseTextView(view, true);
}

void BM_RelayoutLongestLesson(benchmark::State& state) {
    HDC dc = HostCreateDevice();
    TextView* view = MakeView(dc);
    LayoutText(view, Longest(), kKeepText);
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(ResizeTextView(view, kTypicalWidth - (++i & 1), kTypicalHeight));
    state.counters["bytes"] = static_cast<double>(LessonSize(Longest()));
    state.counters["lines"] = view->lineCount;
    Release(view);
}
BENCHMARK(BM_RelayoutLongestLesson)->Unit(benchmark::kMicrosecond);

void BM_LayoutWholeBook(benchmark::State& state) {
    HDC dc = HostCreateDevice();
    TextView* view = MakeView(dc);
    for (auto _ : state)
        for (char* text : Book()) benchmark::DoNotOptimize(LayoutText(view, text, kKeepText));
    state.counters["lessons"] = static_cast<double>(Book().size());
    Release(view);
}
BENCHMARK(BM_LayoutWholeBook)->Unit(benchmark::kMillisecond);

void BM_RenderScreenful(benchmark::State& state) {
    HDC dc = HostCreateDevice();
    TextView* view = MakeView(dc);
    LayoutText(view, Longest(), kKeepText);
    for (auto _ : state) {
        HostClearDrawCalls(dc);
        benchmark::DoNotOptimize(RenderView(view, true));
    }
    state.counters["rows"] = view->rowsDrawn;
    Release(view);
}
BENCHMARK(BM_RenderScreenful)->Unit(benchmark::kMicrosecond);

}  // namespace
