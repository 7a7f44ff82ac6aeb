// The book compiler's files: reading the source directory, writing the
// built book for the host build (a C++ source) and for the Windows build
// (resource files, a resource script and a manifest of decoded texts), and
// reading resource files back for the dump.
#pragma once

#include <string>
#include <vector>

#include "tools/bookc/book_compile.h"
#include "tools/bookc/book_source.h"

// Reads DIR/book.txt and every DIR/lessons/lesson-*.txt.
bool ReadBookSource(const std::string& dir, BookSource* source, std::string* message);

// Writes `source` under DIR (book.txt, lessons/...), making the folders.
bool WriteBookSource(const std::string& dir, const BookSource& source, std::string* message);

// A C++ source defining HostLoadBookResources(), which registers every
// resource's bytes with the host double's HostResourceSet.
bool WriteHostSource(const std::string& path, const std::vector<BookResource>& resources,
                     std::string* message);

// Under DIR: ID.bin for each resource; book.rc listing them as RCDATA; and
// book_manifest.inc, one "{id, length, hash}," line per resource giving the
// length and 64-bit FNV-1a hash of its text as this build decodes it.
bool WriteResourceFiles(const std::string& dir, const std::vector<BookResource>& resources,
                        std::string* message);

// Reads every DIR/ID.bin back.
bool ReadResourceFiles(const std::string& dir, std::vector<BookResource>* resources,
                       std::string* message);

// 64-bit FNV-1a, the manifest's hash.
uint64_t Fnv1a64(const uint8_t* bytes, size_t size);
