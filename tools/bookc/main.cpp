// bookc, the book compiler.
//
//   bookc build SOURCE_DIR [--cpp FILE] [--rc DIR] [--partial]
//       Compiles SOURCE_DIR (book.txt and lessons/lesson-NNN.txt) into the
//       lesson resources and the index. --cpp writes the host build's C++
//       source; --rc writes the resource files, book.rc and the manifest of
//       decoded texts; with neither, the book is only checked. A fault stops
//       it with "file:line: message" (line 0: the file as a whole) and exit
//       status 1.
//   bookc dump RESOURCE_DIR OUT_DIR [--partial]
//       Decodes the resource files that --rc wrote back into the source form.
//
// --partial accepts a book of lessons 1..N, for test fixtures.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "tools/bookc/book_compile.h"
#include "tools/bookc/book_dump.h"
#include "tools/bookc/book_files.h"

namespace {

constexpr int kExitFault = 1;
constexpr int kExitUsage = 2;

int Usage() {
    std::fputs(
        "usage: bookc build SOURCE_DIR [--cpp FILE] [--rc DIR] [--partial]\n"
        "       bookc dump RESOURCE_DIR OUT_DIR [--partial]\n",
        stderr);
    return kExitUsage;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "bookc: %s\n", message.c_str());
    return kExitFault;
}

int Build(const std::string& sourceDir, const std::string& cppPath, const std::string& rcDir,
          const CompileOptions& options) {
    BookSource source;
    std::string message;
    if (!ReadBookSource(sourceDir, &source, &message)) return Fail(message);
    std::vector<BookResource> resources;
    Diagnostic error;
    if (!CompileBook(source, options, &resources, &error)) {
        std::fprintf(stderr, "%s\n", FormatDiagnostic(error).c_str());
        return kExitFault;
    }
    if (!cppPath.empty() && !WriteHostSource(cppPath, resources, &message)) return Fail(message);
    if (!rcDir.empty() && !WriteResourceFiles(rcDir, resources, &message)) return Fail(message);
    return 0;
}

int Dump(const std::string& resourceDir, const std::string& outDir, const CompileOptions& options) {
    std::vector<BookResource> resources;
    std::string message;
    BookSource source;
    if (!ReadResourceFiles(resourceDir, &resources, &message) ||
        !DumpBook(resources, options, &source, &message) ||
        !WriteBookSource(outDir, source, &message))
        return Fail(message);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> positional;
    std::string cppPath;
    std::string rcDir;
    CompileOptions options{false};
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--partial") {
            options.partialBook = true;
        } else if ((arg == "--cpp" || arg == "--rc") && i + 1 < argc) {
            (arg == "--cpp" ? cppPath : rcDir) = argv[++i];
        } else if (arg.substr(0, 2) == "--") {
            return Usage();
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() == 2 && positional[0] == "build")
        return Build(std::string(positional[1]), cppPath, rcDir, options);
    if (positional.size() == 3 && positional[0] == "dump" && cppPath.empty() && rcDir.empty())
        return Dump(std::string(positional[1]), std::string(positional[2]), options);
    return Usage();
}
