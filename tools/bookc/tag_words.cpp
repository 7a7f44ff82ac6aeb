// Tag words: the table of their effects on the StyleByte and FormatByte,
// and the choice of words that gives back a stored paragraph's bytes.
#include "tools/bookc/tag_words.h"

#include <charconv>
#include <cstdio>
#include <vector>

#include "content/paragraph.h"

namespace {

// A word that sets the StyleByte to (style & ~clear) | set.
struct StyleWord {
    std::string_view name;
    uint8_t clear;
    uint8_t set;
};
constexpr uint8_t kAll = 0xFF;
constexpr StyleWord kStyleWords[] = {
    {"heading", kAll, kStyleHeading},
    {"dateline", kStyleAlignMask, kAlignCentre},
    {"center", kStyleAlignMask, kAlignCentre},
    {"right", kStyleAlignMask, kAlignRight},
    {"left", kStyleAlignMask, kAlignLeft},
    {"left60", kStyleAlignMask, kAlignLeftToo},
    {"tight", kStyleSpacing, 0},
    {"spaced", 0, kStyleSpacing},
    {"small", 0, kStyleSmall},
    {"large", 0, kStyleLarge},
    {"bold", 0, kStyleBold},
    {"mark", 0, kStyleMark},
    {"noplain", kStylePlain, 0},
    {"signature", kAll, kStyleSignature},
};

// Style presets the dump prefers, in order, before a raw style=0xNN.
constexpr std::string_view kStylePresets[] = {
    "", "center", "center tight", "signature", "signature spaced", "heading",
};

constexpr int kMaxHangingLevel = 3;

bool ParseNumber(std::string_view text, int base, int* value) {
    if (text.empty()) return false;
    auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), *value, base);
    return fault == std::errc() && end == text.data() + text.size();
}

// The value of "name=N" (decimal) or "name=0xNN" (hex), within [low, high].
bool ParseArgument(std::string_view word, size_t nameLength, bool hex, int low, int high, int* value) {
    std::string_view text = word.substr(nameLength + 1);
    if (hex) {
        if (text.size() < 3 || text.size() > 4 || text.substr(0, 2) != "0x") return false;
        text.remove_prefix(2);
    }
    return ParseNumber(text, hex ? 16 : 10, value) && *value >= low && *value <= high;
}

bool StartsWith(std::string_view word, std::string_view name) {
    return word.size() > name.size() && word.substr(0, name.size()) == name &&
           word[name.size()] == '=';
}

bool ApplyWord(std::string_view word, ParagraphForm* form, std::string* message) {
    for (const StyleWord& w : kStyleWords)
        if (word == w.name) {
            form->style = static_cast<uint8_t>((form->style & ~w.clear) | w.set);
            return true;
        }
    const auto malformed = [&](const char* expected) {
        *message = "malformed tag word '" + std::string(word) + "' (" + expected + ")";
        return false;
    };
    int value = 0;
    if (word == "rule") {
        form->style = kStyleRule;
        form->format = kRuleDefaultLength;
    } else if (word == "continue") {
        form->continues = true;
    } else if (word == "hang") {
        form->format = static_cast<uint8_t>((form->format & ~kFormatHangingMask) |
                                            (1 << kFormatHangingShift));
    } else if (StartsWith(word, "hang")) {
        if (!ParseArgument(word, 4, false, 1, kMaxHangingLevel, &value)) return malformed("hang=1 to 3");
        form->format = static_cast<uint8_t>((form->format & ~kFormatHangingMask) |
                                            (value << kFormatHangingShift));
    } else if (StartsWith(word, "indent")) {
        if (!ParseArgument(word, 6, false, 0, kFormatIndentMask, &value)) return malformed("indent=0 to 63");
        form->format = static_cast<uint8_t>((form->format & ~kFormatIndentMask) | value);
    } else if (StartsWith(word, "len")) {
        if (!ParseArgument(word, 3, false, 0, 255, &value)) return malformed("len=0 to 255");
        if (!IsRule(form->style)) {
            message->assign(1, '\'').append(word).append("' gives a rule's length; the paragraph is not a rule");
            return false;
        }
        form->format = static_cast<uint8_t>(value);
    } else if (StartsWith(word, "style")) {
        if (!ParseArgument(word, 5, true, 1, 255, &value)) return malformed("style=0x01 to 0xFF");
        form->style = static_cast<uint8_t>(value);
    } else if (StartsWith(word, "format")) {
        if (!ParseArgument(word, 6, true, 0, 255, &value)) return malformed("format=0x00 to 0xFF");
        form->format = static_cast<uint8_t>(value);
    } else {
        *message = "unknown tag word '" + std::string(word) + "'";
        return false;
    }
    return true;
}

std::string Hex(uint8_t value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "0x%02X", value);
    return buffer;
}

void Append(std::string* words, std::string_view word) {
    if (word.empty()) return;
    if (!words->empty()) *words += ' ';
    *words += word;
}

}  // namespace

bool ApplyTagWords(std::string_view words, ParagraphForm* form, std::string* message) {
    bool any = false;
    size_t at = 0;
    while (at < words.size()) {
        if (words[at] == ' ') {
            ++at;
            continue;
        }
        size_t end = words.find(' ', at);
        if (end == std::string_view::npos) end = words.size();
        if (!ApplyWord(words.substr(at, end - at), form, message)) return false;
        any = true;
        at = end;
    }
    if (!any) {
        *message = "a tag line without words";
        return false;
    }
    if (form->style == kEndMarker) {
        *message = "the tags leave the StyleByte 0, which ends a lesson";
        return false;
    }
    return true;
}

std::string TagWordsFor(const ParagraphForm& form, bool opensLesson, bool hasText) {
    std::string words;
    if (IsRule(form.style)) {
        Append(&words, "rule");
        if (form.style != kStyleRule) Append(&words, "style=" + Hex(form.style));
        if (form.format != kRuleDefaultLength) Append(&words, "len=" + std::to_string(form.format));
        return words;
    }
    bool matched = false;
    for (std::string_view preset : kStylePresets) {
        ParagraphForm trial = kBodyForm;
        std::string unused;
        if (!preset.empty() && !ApplyTagWords(preset, &trial, &unused)) continue;
        if (trial.style != form.style) continue;
        Append(&words, preset == "center" && opensLesson ? "dateline" : preset);
        matched = true;
        break;
    }
    if (!matched) Append(&words, "style=" + Hex(form.style));
    const int hanging = HangingLevel(form.format);
    if (hanging == 1) Append(&words, "hang");
    if (hanging > 1) Append(&words, "hang=" + std::to_string(hanging));
    if (Indent(form.format) != 0) Append(&words, "indent=" + std::to_string(Indent(form.format)));
    if (form.continues) Append(&words, "continue");
    if (words.empty() && !hasText) Append(&words, "style=" + Hex(form.style));
    return words;
}
