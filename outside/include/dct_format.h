/* The professional-dictionary file (".dct" in the translator's "lib" folder), shared by the
 * translator, which reads its header, and trhook32, which reads its pairs to translate.
 *
 *   offset  size  field
 *   0       4     magic: int32 0x04935343 (bytes 43 53 93 04)
 *   4       4     pair count: int32
 *   8       4     pair table offset: int32, 148
 *   12      4     body size in bytes: int32, everything after the header
 *   16      4     version: int32 1
 *   20      128   text: "name;description", zero-terminated (name at most 15 bytes)
 *   148     8 x count   pair table: per pair two int32, the offsets of its English text and
 *                       of its Chinese text from the start of the file
 *   ...     texts       zero-terminated code-page-936 texts, each English text followed by
 *                       its Chinese text
 *
 * The pairs are sorted by their English text, compared byte for byte with ASCII letters folded
 * to lower case, so that a reader can search them by halving; an English text appears once. */
#pragma once

#include <stdint.h>

#define DCT_MAGIC 0x04935343
#define DCT_HEADER_SIZE 148
#define DCT_TEXT_OFFSET 20
#define DCT_TEXT_SIZE 128
#define DCT_VERSION 1

#pragma pack(push, 1)
typedef struct {
  int32_t magic;
  int32_t pairCount;
  int32_t pairTable;
  int32_t bodySize;
  int32_t version;
  char text[DCT_TEXT_SIZE];
} DctHeader;

typedef struct {
  int32_t english;
  int32_t chinese;
} DctPair;
#pragma pack(pop)

#ifdef __cplusplus
static_assert(sizeof(DctHeader) == DCT_HEADER_SIZE, "the header is 148 bytes");
#endif
