// PalmDoc decompression of one stored text into a new buffer.
#pragma once

#include <cstdint>

// A request to the decompressor.
struct DecompressJob {
    const uint8_t* source;   // first compressed byte
    uint32_t sourceLength;   // compressed bytes; none past them is read
    uint32_t textLength;     // size of the output
};

// Decodes job->source into a new heap block (release with HeapBlockFree) of
// textLength + kDecodedTailBytes bytes: the text, then three zero bytes (the
// text's NUL and two more, so that a paragraph walk over a damaged text stays
// inside the block). Decoding stops once textLength bytes are out; a step
// that crosses that point is cut there, and compressed bytes left over are
// ignored.
//
// Null on failure, with the code in *error when error is given:
//   4  no job, no source, or textLength 0;
//   2  the block cannot be allocated;
//   5  the stream ends before the output is full, or it is unusable: a copy
//      from distance 0 or from before the output's start, or a literal run
//      or a copy cut off by the end of the compressed bytes. The user is
//      told "UnCompress() buffer error!" in a message box.
// Nothing allocated survives a failure.
char* DecompressText(const DecompressJob* job, int* error);
