// Line layout: fonts per paragraph, breaks at spaces and after hyphens,
// hanging indents, alignment, rules and SpacingRows.
#include "view/layout.h"

#include <climits>
#include <cstddef>
#include <cstring>

#include "content/paragraph.h"
#include "platform/heap.h"
#include "view/wide_text.h"

namespace {

constexpr char kSpace = ' ';
constexpr char kHyphen = '-';
// Line records hold text offsets in 16 bits.
constexpr std::ptrdiff_t kMaxTextOffset = 0xFFFF;

struct FontMetrics {
    int height;
    int maxCharWidth;
};

FontMetrics ReadMetrics(HDC dc) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return {metrics.tmHeight, metrics.tmMaxCharWidth};
}

uint16_t Unit16(std::ptrdiff_t value) {
    if (value < 0) return 0;
    return static_cast<uint16_t>(value > 0xFFFF ? 0xFFFF : value);
}

// The state of one layout pass.
struct Pass {
    TextView* view;
    const char* text;
    int lines;          // records made: the next index
    int totalRows;      // SpacingRows so far; the lines are added at the end
    int indent;         // the running indent
    unsigned previousStyle;
    FontMetrics font;
};

// Left edge of a line `w` wide by the alignment bits. Only a line wider than
// its room (see LayText) could start left of the area; it starts at its edge.
int LineX(const Pass& pass, uint8_t style, int hang, int w) {
    const TextView* view = pass.view;
    int x;
    switch (Alignment(style)) {
        case kAlignRight: x = view->left + view->width - w - (pass.indent + hang); break;
        case kAlignCentre: x = view->left + pass.indent + (view->width - pass.indent - hang - w) / 2; break;
        default: x = view->left + pass.indent + hang; break;
    }
    return x < view->left ? view->left : x;
}

// Makes sure record `pass.lines` may be written.
bool RoomForLine(Pass& pass) {
    return pass.lines < pass.view->lineCapacity || GrowLines(pass.view, pass.lines) == 0;
}

bool LayRule(Pass& pass, const Paragraph& p) {
    if (p.format == 0) return true;  // no rule, no line
    if (!RoomForLine(pass)) return false;
    TextView* view = pass.view;
    int w = RuleLength(p.format, view->width);
    if (w < 0) w = 0;
    int x;
    switch (Alignment(p.style)) {
        case kAlignRight: x = view->left + view->width - w; break;
        case kAlignCentre: x = view->left + (view->width - w) / 2; break;
        default: x = view->left; break;
    }
    LineRecord& line = view->lines[pass.lines];
    line = LineRecord{};
    line.textOffset = Unit16(p.text - pass.text);
    line.x = Unit16(x);
    line.width = Unit16(w);
    line.height = Unit16(pass.font.height);
    line.style = p.style;
    pass.lines += 1;
    if (HasSpacing(p.style)) pass.totalRows += 1;
    return true;
}

bool LayText(Pass& pass, const Paragraph& p) {
    TextView* view = pass.view;
    if ((pass.previousStyle & kStyleKeyMask) != FontStyleBits(p.style)) {
        SelectStyleFont(view, p.style);
        pass.font = ReadMetrics(view->dc);
    }
    pass.previousStyle = p.style;

    int u = static_cast<int>(p.textLength);
    int level = HangingLevel(p.format);
    int hang = 0;
    if (level != 0) {
        pass.indent = Indent(p.format);
        hang = (level + 1) * pass.font.maxCharWidth / 2;
    }
    // A continuation that moves left of where its paragraph started could
    // leave the indent below 0, and its lines left of the area.
    if (pass.indent >= view->width || pass.indent < 0) pass.indent = 0;
    if (u == 0) return true;

    const char* s = p.text;
    for (;;) {
        while (*s == kSpace) {
            ++s;
            --u;
        }
        if (!*s) return true;
        if (!RoomForLine(pass)) return false;

        int room = view->width - pass.indent;
        if (room < 0) room = 0;
        int fit = u;
        const char* lineStart = nullptr;
        int wordSpan = 0;
        if (hang) {
            // The first word goes into the hanging area; the line's main part
            // starts after it and the spaces behind it.
            const char* r = s;
            while (*r && *r != kSpace) ++r;
            while (*r == kSpace) ++r;
            wordSpan = static_cast<int>(r - s);
            fit -= wordSpan;
            room -= hang;
            if (room < 0) room = 0;
            lineStart = s;
            s = r;
        }
        int avail = room;
        MeasureFit(view->dc, s, &avail, &fit);
        if (s[fit] != 0 && s[fit] != kSpace) {
            // The line would end inside a word: break after the last space or
            // hyphen, never at the line's first character; without one, keep
            // the hard break where the measurement stopped.
            int k = fit - 1;
            while (k > 0 && s[k] != kSpace && s[k] != kHyphen) --k;
            if (k > 0) {
                fit = s[k] == kHyphen ? k + 1 : k;
                avail = room;
                MeasureFit(view->dc, s, &avail, &fit);
            }
        }
        if (fit == 0 && !lineStart) {
            // Not even one character fits (a very narrow area, or an indent
            // that fills it): the line takes one character anyway, wider than
            // its room, so that every line makes progress and the layout ends.
            fit = 1;
            avail = INT_MAX;
            MeasureFit(view->dc, s, &avail, &fit);
            fit = 1;
        }
        if (lineStart) s = lineStart;

        LineRecord& line = view->lines[pass.lines];
        line = LineRecord{};
        line.textOffset = Unit16(s - pass.text);
        line.length = Unit16(fit);
        line.height = Unit16(pass.font.height);
        line.width = Unit16(avail);
        line.hang = Unit16(hang);
        line.x = Unit16(LineX(pass, p.style, hang, avail));
        pass.indent += hang;  // later lines start after the hanging area
        if (hang) {
            fit += wordSpan;
            hang = 0;
        }
        uint8_t style = p.style;
        if (fit == u) {
            if (HasSpacing(style)) pass.totalRows += 1;
        } else {
            style &= static_cast<uint8_t>(~kStyleSpacing);
        }
        // StyleByte 0x80 without its spacing bit would read as the terminator;
        // 0x60 is the same left alignment.
        line.style = style == kTerminatorStyle ? kAlignLeftToo : style;
        s += fit;
        u -= fit;
        pass.lines += 1;
        if (!*s) return true;
    }
}

}  // namespace

int32_t GrowLines(TextView* view, int index) {
    if (!view || !view->lines) return kViewMissing;
    int capacity = view->lineCapacity;
    LineRecord* grown = nullptr;
    if (capacity + kLineGrowth <= kMaxLineCapacity)
        grown = static_cast<LineRecord*>(
            HeapBlockAlloc((static_cast<size_t>(capacity) + kLineGrowth + 1) * sizeof(LineRecord)));
    if (!grown) {
        if (index >= 0 && index <= capacity) view->lines[index] = LineRecord{};
        return kGrowFailed;
    }
    std::memcpy(grown, view->lines, static_cast<size_t>(capacity) * sizeof(LineRecord));
    HeapBlockFree(view->lines);
    view->lines = grown;
    view->lineCapacity = static_cast<uint16_t>(capacity + kLineGrowth);
    return 0;
}

int32_t ComputeMaxTopRow(TextView* view) {
    if (!view || !view->lines || view->totalRows == 0 || view->lineCount == 0) return -1;
    // Kept in 32 bits: a 16-bit count would wrap on a printer page taller
    // than 32767 dots.
    int remaining = view->height;
    int rows = 0;
    for (int i = view->lineCount - 1; i >= 0; --i) {
        const LineRecord& line = view->lines[i];
        if (line.height > remaining) break;
        remaining -= line.height;
        rows += 1;
        if (HasSpacing(line.style)) {
            remaining -= line.height;
            rows += 1;
        }
    }
    if (remaining < 0) rows -= 1;  // the last SpacingRow counted did not fit
    view->maxTopRow = static_cast<uint16_t>(view->totalRows - rows);
    return view->maxTopRow;
}

int32_t LayoutText(TextView* view, char* text, bool replace) {
    if (!view) return kViewMissing;
    view->matchStart = 0;
    view->matchEnd = 0;
    view->totalRows = 0;
    view->maxTopRow = 0;
    if (!text) {
        if (replace) {
            HeapBlockFree(view->text);
            view->text = nullptr;
        }
        return kLayoutNoText;
    }
    auto first = static_cast<uint8_t>(text[0]);
    if (first == kEndMarker || (!IsRule(first) && text[2] == 0)) {
        if (replace && text != view->text) HeapBlockFree(text);
        return kLayoutRefused;
    }
    if (replace) {
        if (view->text != text) HeapBlockFree(view->text);
        view->text = nullptr;
    }
    // The old lines may be about to be replaced, and with them whatever these
    // pointed at.
    view->startLine = nullptr;
    view->stopLine = nullptr;
    if (!view->lines || view->lineCapacity == 0) {
        HeapBlockFree(view->lines);
        view->lineCapacity = 0;
        view->lines = static_cast<LineRecord*>(
            HeapBlockAlloc((static_cast<size_t>(kInitialLineCapacity) + 1) * sizeof(LineRecord)));
        if (!view->lines) {
            view->lineCount = 0;
            if (replace) HeapBlockFree(text);
            return kLayoutNoLines;
        }
        view->lines[0] = LineRecord{};
        view->lineCount = 0;
        view->lineCapacity = kInitialLineCapacity;
    }

    HFONT kept = SelectStyleFont(view, kStylePlain);
    Pass pass{view, text, 0, 0, 0, kStylePlain, ReadMetrics(view->dc)};
    uint8_t previousFormat = 0;
    bool complete = true;
    size_t cursor = 0;
    Paragraph p;
    while (NextParagraph(text, &cursor, &p)) {
        if (p.text + p.textLength - text > kMaxTextOffset) {
            complete = false;
            view->lines[pass.lines] = LineRecord{};
            break;
        }
        if (HangingLevel(p.format) != 0 && p.text[0] == kSpace && pass.lines > 0) {
            // A continuation keeps the previous paragraph's running indent,
            // moved by the difference of their indent fields.
            pass.indent += Indent(p.format) - Indent(previousFormat);
            p.format = static_cast<uint8_t>(p.format & ~kFormatHangingMask);
        } else {
            pass.indent = p.format;
        }
        previousFormat = p.format;
        if (!(IsRule(p.style) ? LayRule(pass, p) : LayText(pass, p))) {
            complete = false;
            break;
        }
    }
    if (kept) SelectObject(view->dc, kept);

    if (!complete) {
        // GrowLines (or the offset check) left a terminator after the lines
        // made so far.
        view->lineCount = static_cast<uint16_t>(pass.lines);
        if (replace) {
            HeapBlockFree(text);
        } else if (view->text != text) {
            view->lines[0] = LineRecord{};  // these lines point into a text the view does not hold
            view->lineCount = 0;
        }
        return kLayoutNoLines;
    }

    int i = pass.lines;
    view->lines[i] = LineRecord{};
    int totalRows = pass.totalRows + i;
    if (i > 0 && HasSpacing(view->lines[i - 1].style)) {
        // A text never ends with a SpacingRow.
        uint8_t style = view->lines[i - 1].style & static_cast<uint8_t>(~kStyleSpacing);
        view->lines[i - 1].style = style == kTerminatorStyle ? kAlignLeftToo : style;
        totalRows -= 1;
    }
    view->totalRows = static_cast<uint16_t>(totalRows);
    view->lineCount = static_cast<uint16_t>(i);
    view->text = text;
    ComputeMaxTopRow(view);
    return kLayoutDone;
}
