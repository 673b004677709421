#pragma once

// Translation packages: one file per foreign program, "\DIC\<program>.lvd" under the program
// folder, holding pairs of English interface text and Chinese translation. The byte layout and
// the stored form of the text block are in outside/include/lvd_format.h; this is the reading
// into the records the package editor works on, and the writing back.

#include <windows.h>

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "appfw/cstring.h"

// The longest text a record holds, in bytes; an entry with a longer text is kept aside whole
// and written back unchanged.
constexpr size_t kMaxRecordText = 511;
constexpr size_t kRecordSourceSize = 512;
constexpr size_t kRecordTranslationSize = 1028;

// One entry of a package as the editor sees it.
struct InterfaceDictRecord {
  int32_t index;              // the entry's position in the file
  uint16_t sourceLength;      // bytes of the source text
  uint16_t translationLength; // bytes of the translation; the editor changes it on an edit
  char source[kRecordSourceSize];            // NUL-terminated
  char translation[kRecordTranslationSize];  // NUL-terminated
  char letter;                // the source text's first byte, 0 when it is empty
  char unused;
};

// A pair of texts as it goes into a package.
struct Package_Entry {
  std::string source, translation;
  bool operator==(const Package_Entry& o) const {
    return source == o.source && translation == o.translation;
  }
};

// What a package's bytes hold. An entry whose texts point outside the text block becomes an
// empty record with both lengths 0 (left out at the next write). An entry with a text of 512
// bytes or more keeps its lengths, shows no text, and its pair is kept in `kept` to be
// written back unchanged.
struct Package_Contents {
  std::vector<InterfaceDictRecord> records;
  std::unordered_map<int32_t, Package_Entry> kept;  // by record index
};
// False for bytes that are no package: shorter than the header, or an index or text block
// that runs past the end of the file.
bool Parse_Package(const std::string& bytes, Package_Contents* out);

// The pairs to write, in record order: records with both lengths non-zero, their texts from the
// record, or from `kept` for an entry kept aside. Records whose text is empty are left out.
std::vector<Package_Entry> Collect_Package_Entries(int count, const InterfaceDictRecord* records,
                                                   const std::unordered_map<int32_t, Package_Entry>& kept);
// A package's bytes for the pairs (pairs with an empty text left out); false, with nothing
// made, for more than 65535 pairs or a text longer than 65535 bytes.
bool Package_Bytes(const std::vector<Package_Entry>& entries, std::string* out);

// The file the writer writes for a given package path: the folder "\dic" under `appDir`, the
// path's file name without its folder and extension, ".LVD". Empty when the path names no file.
std::string Package_Write_Path(const std::string& appDir, const std::string& packagePath);

// Reads a package into records, read in place by the package editor (and written by its
// update worker).
class CInterfaceDictReader {
 public:
  // TRUE when the package was read; FALSE for an empty path, a file that does not open or
  // bytes that are no package (the records stay as they were).
  BOOL Load(const char* path);
  // The records and the entries kept aside (texts of 512 bytes or more).
  int m_nCount = 0;
  InterfaceDictRecord* m_pRecords = nullptr;
  const std::unordered_map<int32_t, Package_Entry>& Kept() const { return contents_.kept; }
  appfw::CString m_strPath;

 private:
  Package_Contents contents_;
};

// Writes records back as a package.
class CInterfaceDictWriter {
 public:
  // Turns the records into the pending pairs.
  void CollectEntries(int count, const InterfaceDictRecord* records,
                      const std::unordered_map<int32_t, Package_Entry>& kept = {});
  // Writes the pending pairs as the package named after `path` (see Package_Write_Path, under
  // the program folder). The file is replaced only once the new one is written whole: on any
  // failure, and for more than 65535 pairs, the old package stays as it was. TRUE when written.
  BOOL WritePackageFile(const char* path);
  const std::vector<Package_Entry>& Pending() const { return pending_; }

 private:
  std::vector<Package_Entry> pending_;
};

// Looks source texts up in a package's pairs at the same cost whatever the package's size.
class Package_Index {
 public:
  explicit Package_Index(const std::vector<Package_Entry>& entries);
  // The translation of `source`, or null; the first pair of a source text wins.
  const std::string* Find(const std::string& source) const;

 private:
  std::unordered_map<std::string, std::string> map_;
};
