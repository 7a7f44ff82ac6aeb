// The tag line of a paragraph in the book's source ("::" and words) and the
// StyleByte and FormatByte it stands for, both ways.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "content/paragraph.h"

struct ParagraphForm {
    uint8_t style;
    uint8_t format;
    bool continues;  // the text begins with one space: it continues a hanging paragraph
};

// A paragraph with no tag line: body text, no format, no continuation.
constexpr ParagraphForm kBodyForm = {kStyleBody, 0, false};

// Applies the words after "::" to *form, left to right. False, with
// *message, on an unknown or malformed word, or a tag that leaves the
// StyleByte 0.
bool ApplyTagWords(std::string_view words, ParagraphForm* form, std::string* message);

// Words that turn kBodyForm into `form`; empty when no tag line is needed.
// `opensLesson` spells a centred first paragraph "dateline"; an empty text
// always gets a tag line, since a paragraph without one needs text.
std::string TagWordsFor(const ParagraphForm& form, bool opensLesson, bool hasText);
