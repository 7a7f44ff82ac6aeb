// The book's stored form: lessons and the index as compressed RT_RCDATA
// resources (LessonResource), and the loading that turns one into a decoded
// text owned by the caller.
//
// LessonResource, every word unsigned 16-bit big-endian:
//   0  payload length       resource size - 6 (4 + compressed length + 4)
//   2  record range start   not read; the book compiler fills it
//   4  record range end     not read; the book compiler fills it
//   6  compressed length    compressed bytes starting at offset 10
//   8  text length          bytes the compressed bytes expand to
//   10 compressed text      PalmDoc stream
//   .. trailer              four zero bytes, not read
#pragma once

#include <cstddef>
#include <cstdint>

constexpr size_t kResourceHeaderBytes = 6;   // payload length, record range start and end
constexpr size_t kPayloadSizeBlockBytes = 4; // compressed length, text length
constexpr size_t kResourceTrailerBytes = 4;
constexpr size_t kPayloadMinBytes = 5;       // the size block and one compressed byte
// Words of the size block, as offsets into the payload (resource offset 6).
constexpr size_t kCompressedLengthAt = 0;
constexpr size_t kTextLengthAt = 2;
// Record range of the index resource.
constexpr uint16_t kIndexRecordStart = 1;
constexpr uint16_t kIndexRecordEnd = 255;

// Failure codes written to a caller's error int; success leaves it untouched.
constexpr int kLoadNoResource = 1;    // no resource with that id
constexpr int kLoadUnavailable = 2;   // size 0, cannot be loaded, or no memory for the output
constexpr int kLoadBadHeader = 3;     // payload length below 5, or compressed length 0
constexpr int kLoadNoInput = 4;       // no job, no source, or a text length of 0
constexpr int kLoadBrokenStream = 5;  // the compressed bytes ran out or are unusable

// Reads the big-endian word at `bytes`.
constexpr uint16_t ReadWordBE(const uint8_t* bytes) {
    return static_cast<uint16_t>((bytes[0] << 8) | bytes[1]);
}

// Lesson `number` (1..139), or the index when number is kIndexLessonNumber,
// decoded from RT_RCDATA resource number + 1000 of App.Instance. Returns a
// heap block (release with HeapBlockFree) holding the text, then three zero
// bytes, or null: number <= 0 (error untouched); no such resource (1); size
// 0 or unloadable (2); see UnpackLessonResource for the rest. A resource
// shorter than its header, or whose payload length claims more bytes than it
// has, is read only as far as it goes (3, or 5 when the stream is cut).
char* LoadLesson(int number, int* error);

// Decodes the payload at offset 6 of a LessonResource; `payloadLength` is the
// word at offset 0, and no byte past it is read. Null with code 3 when the
// payload is below 5 bytes or its compressed length is 0; a compressed length
// reaching past the payload is cut to it. Otherwise as DecompressText.
char* UnpackLessonResource(const uint8_t* payload, uint32_t payloadLength, int* error);
