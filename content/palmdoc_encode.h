// PalmDoc compression for writers of the book's resources (the book
// compiler, tests, benchmarks); the reader itself only decodes.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The smallest PalmDoc stream that decodes to `text`: an optimal parse over
// every step the scheme has (single bytes that stand for themselves, literal
// runs of 1 to 8 bytes, copies of 3 to 10 bytes from 1 to 2047 bytes back,
// overlapping ones included, and space pairs), with the longest copy at each
// position found by a hash-chain search. Every step stays inside the text, so
// any PalmDoc decoder accepts the stream.
std::vector<uint8_t> CompressText(std::span<const uint8_t> text);
