/* The translation package (".lvd" in the translator's "DIC" folder), shared by the translator,
 * which reads and writes it, and trhook32, which reads it to translate.
 *
 *   offset  size  field
 *   0       2     header size, 52
 *   2       2     255
 *   4       2     entry count n (a package holds at most 65535 entries)
 *   6       2     0
 *   8       4     text offset: 52 + 8 x n
 *   12      4     index offset: 52
 *   16      4     0xFFFF
 *   20      4     text length: the text block's size in bytes
 *   24      28    zero
 *   52      8 x n index: per entry the offset of its source text from the start of the text
 *                 block (4 bytes), the source length (2) and the translation length (2)
 *   ...     text block: each entry's source text followed by its translation, no separators
 *
 * The text block is stored scrambled: with h = floor(size / 2), the stored byte i (i < h) is
 * the complement of the plain byte i, and the stored byte h + i is the plain byte h + i XORed
 * with the plain byte i; an odd last byte is stored plain. lvd_scramble makes the stored form
 * and lvd_unscramble undoes exactly that, so a package written and read again comes back
 * byte for byte. All numbers are little-endian. */
#pragma once

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#define LVD_HEADER_SIZE 52
#define LVD_INDEX_ENTRY_SIZE 8
#define LVD_MAX_ENTRIES 65535
#define LVD_HEADER_MARK 255
#define LVD_HEADER_FFFF 0xFFFF

#pragma pack(push, 1)
typedef struct {
  uint16_t headerSize;
  uint16_t mark;
  uint16_t count;
  uint16_t zero;
  uint32_t textOffset;
  uint32_t indexOffset;
  uint32_t ffff;
  uint32_t textLength;
  uint8_t reserved[28];
} LvdHeader;

typedef struct {
  uint32_t offset;
  uint16_t sourceLength;
  uint16_t translationLength;
} LvdIndexEntry;
#pragma pack(pop)

#ifdef __cplusplus
static_assert(sizeof(LvdHeader) == LVD_HEADER_SIZE, "the header is 52 bytes");
static_assert(sizeof(LvdIndexEntry) == LVD_INDEX_ENTRY_SIZE, "an index entry is 8 bytes");
#endif

/* Plain text block -> stored form, in place. */
static inline void lvd_scramble(uint8_t* block, size_t size) {
  size_t half = size / 2;
  for (size_t i = 0; i < half; ++i) {
    block[half + i] ^= block[i];
    block[i] = (uint8_t)~block[i];
  }
}

/* Stored form -> plain text block, in place: the exact inverse of lvd_scramble. */
static inline void lvd_unscramble(uint8_t* block, size_t size) {
  size_t half = size / 2;
  for (size_t i = 0; i < half; ++i) {
    block[i] = (uint8_t)~block[i];
    block[half + i] ^= block[i];
  }
}

/* The header of a package of `size` bytes when its index and text block lie inside the file:
 * 1 and *header filled, else 0. */
static inline int lvd_read_header(const uint8_t* file, size_t size, LvdHeader* header) {
  if (!file || size < LVD_HEADER_SIZE) return 0;
  memcpy(header, file, LVD_HEADER_SIZE);
  uint64_t indexEnd = (uint64_t)header->indexOffset + (uint64_t)header->count * LVD_INDEX_ENTRY_SIZE;
  uint64_t textEnd = (uint64_t)header->textOffset + header->textLength;
  return indexEnd <= size && textEnd <= size;
}

/* Index entry `i` of a package whose header lvd_read_header accepted. */
static inline LvdIndexEntry lvd_index_entry(const uint8_t* file, const LvdHeader* header,
                                            unsigned i) {
  LvdIndexEntry entry;
  memcpy(&entry, file + header->indexOffset + (size_t)i * LVD_INDEX_ENTRY_SIZE, sizeof entry);
  return entry;
}

/* Whether an entry's two texts lie inside a text block of `textLength` bytes. */
static inline int lvd_entry_inside(const LvdIndexEntry* entry, uint32_t textLength) {
  uint64_t end = (uint64_t)entry->offset + entry->sourceLength + entry->translationLength;
  return end <= textLength;
}
