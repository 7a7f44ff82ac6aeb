// A message of the book compiler that points at a source line.
#pragma once

#include <string>

// Where a problem is and what it is. `line` counts from 1; 0 stands for a
// file as a whole (a missing one, or a limit of all its text).
struct Diagnostic {
    std::string file;
    int line;
    std::string message;
};

// "file:line: message", the form editors and build logs recognise.
inline std::string FormatDiagnostic(const Diagnostic& d) {
    return d.file + ":" + std::to_string(d.line) + ": " + d.message;
}
