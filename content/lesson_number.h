// LessonNumber: a lesson of the book, 1 to 139, stored as resource 1000 + n.
#pragma once

#include <cstdint>

using LessonNumber = uint16_t;

constexpr LessonNumber kFirstLesson = 1;
constexpr LessonNumber kLastLesson = 139;
constexpr int kLessonCount = 139;
// Resource id of lesson n is kLessonResourceBase + n.
constexpr int kLessonResourceBase = 1000;
// The number LoadLesson takes for the index, resource 32767.
constexpr int kIndexLessonNumber = 31767;
