// yearglance: prints the "year at a glance" list of the book's year in the
// book's source form, or brings a lesson file's copy of it up to date.
//
//   yearglance               print the list
//   yearglance LESSON_FILE   keep the file's text before the list (its own
//                            heading and introduction), replace the rest
//                            with the list as the calendar gives it now
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "calendar/dated_lessons.h"
#include "calendar/year_glance.h"

namespace {

int UpdateLesson(const char* path, const std::string& list) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "yearglance: cannot read %s\n", path);
        return 1;
    }
    std::stringstream buffer;
    buffer << in.rdbuf();
    std::string text = buffer.str();
    in.close();

    // The list starts with its first paragraph, the first month's heading.
    const std::string start = "\n" + list.substr(0, list.find("\n\n") + 1);
    const size_t at = text.find(start);
    if (at != std::string::npos) {
        text.resize(at + 1);
    } else {
        while (!text.empty() && text.back() == '\n') text.pop_back();
        text += "\n\n";
    }
    text += list;

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) {
        std::fprintf(stderr, "yearglance: cannot write %s\n", path);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string list = YearGlanceList(kBookYear);
    if (argc > 2) {
        std::fprintf(stderr, "usage: yearglance [LESSON_FILE]\n");
        return 2;
    }
    if (argc == 2) return UpdateLesson(argv[1], list);
    std::fwrite(list.data(), 1, list.size(), stdout);
    return 0;
}
