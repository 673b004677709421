#include "package.h"

#include <cstring>

#include "app.h"
#include "lvd_format.h"

bool Parse_Package(const std::string& bytes, Package_Contents* out) {
  const auto* file = reinterpret_cast<const uint8_t*>(bytes.data());
  LvdHeader header;
  if (!lvd_read_header(file, bytes.size(), &header)) return false;
  std::string text = bytes.substr(header.textOffset, header.textLength);
  lvd_unscramble(reinterpret_cast<uint8_t*>(text.data()), text.size());

  Package_Contents contents;
  contents.records.assign(header.count, InterfaceDictRecord{});
  for (unsigned i = 0; i < header.count; ++i) {
    InterfaceDictRecord& r = contents.records[i];
    r.index = static_cast<int32_t>(i);
    const LvdIndexEntry entry = lvd_index_entry(file, &header, i);
    if (!lvd_entry_inside(&entry, header.textLength)) continue;  // a bad entry: empty record
    r.sourceLength = entry.sourceLength;
    r.translationLength = entry.translationLength;
    if (entry.sourceLength == 0 || entry.translationLength == 0) continue;
    const char* source = text.data() + entry.offset;
    const char* translation = source + entry.sourceLength;
    if (entry.sourceLength > kMaxRecordText || entry.translationLength > kMaxRecordText) {
      contents.kept[r.index] = {std::string(source, entry.sourceLength),
                                std::string(translation, entry.translationLength)};
      continue;
    }
    memcpy(r.source, source, entry.sourceLength);
    memcpy(r.translation, translation, entry.translationLength);
    r.letter = r.source[0];
  }
  *out = std::move(contents);
  return true;
}

std::vector<Package_Entry> Collect_Package_Entries(
    int count, const InterfaceDictRecord* records,
    const std::unordered_map<int32_t, Package_Entry>& kept) {
  std::vector<Package_Entry> entries;
  for (int i = 0; i < count; ++i) {
    const InterfaceDictRecord& r = records[i];
    if (r.sourceLength == 0 || r.translationLength == 0) continue;
    auto aside = kept.find(r.index);
    if (aside != kept.end() &&
        (r.sourceLength > kMaxRecordText || r.translationLength > kMaxRecordText)) {
      entries.push_back(aside->second);
      continue;
    }
    Package_Entry e{std::string(r.source, strnlen(r.source, kMaxRecordText)),
                    std::string(r.translation, strnlen(r.translation, kMaxRecordText))};
    if (e.source.empty() || e.translation.empty()) continue;
    entries.push_back(std::move(e));
  }
  return entries;
}

bool Package_Bytes(const std::vector<Package_Entry>& entries, std::string* out) {
  std::string index, text;
  uint16_t count = 0;
  for (const Package_Entry& e : entries) {
    if (e.source.empty() || e.translation.empty()) continue;
    if (count == LVD_MAX_ENTRIES || e.source.size() > 0xFFFF || e.translation.size() > 0xFFFF) {
      return false;
    }
    LvdIndexEntry entry{static_cast<uint32_t>(text.size()), static_cast<uint16_t>(e.source.size()),
                        static_cast<uint16_t>(e.translation.size())};
    index.append(reinterpret_cast<const char*>(&entry), sizeof entry);
    text += e.source;
    text += e.translation;
    ++count;
  }
  if (text.size() > 0xFFFFFFFFu - LVD_HEADER_SIZE - index.size()) return false;
  LvdHeader header{};
  header.headerSize = LVD_HEADER_SIZE;
  header.mark = LVD_HEADER_MARK;
  header.count = count;
  header.textOffset = LVD_HEADER_SIZE + static_cast<uint32_t>(index.size());
  header.indexOffset = LVD_HEADER_SIZE;
  header.ffff = LVD_HEADER_FFFF;
  header.textLength = static_cast<uint32_t>(text.size());
  lvd_scramble(reinterpret_cast<uint8_t*>(text.data()), text.size());
  out->assign(reinterpret_cast<const char*>(&header), sizeof header);
  *out += index;
  *out += text;
  return true;
}

std::string Package_Write_Path(const std::string& appDir, const std::string& packagePath) {
  size_t slash = packagePath.find_last_of("\\/:");
  std::string name = slash == std::string::npos ? packagePath : packagePath.substr(slash + 1);
  size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  if (name.empty()) return {};
  return appDir + "\\dic\\" + name + ".LVD";
}

BOOL CInterfaceDictReader::Load(const char* path) {
  if (!path || !*path) return FALSE;
  m_strPath = path;
  bool opened = false;
  const std::string bytes = Read_File_Bytes(path, &opened);
  if (!opened) return FALSE;
  Package_Contents contents;
  if (!Parse_Package(bytes, &contents)) return FALSE;
  contents_ = std::move(contents);
  m_nCount = static_cast<int>(contents_.records.size());
  m_pRecords = contents_.records.empty() ? nullptr : contents_.records.data();
  return TRUE;
}

void CInterfaceDictWriter::CollectEntries(int count, const InterfaceDictRecord* records,
                                          const std::unordered_map<int32_t, Package_Entry>& kept) {
  pending_ = Collect_Package_Entries(count, records, kept);
}

BOOL CInterfaceDictWriter::WritePackageFile(const char* path) {
  if (!path || !*path) return FALSE;
  const std::string target = Package_Write_Path(g_szAppDir, path);
  if (target.empty()) return FALSE;
  std::string bytes;
  if (!Package_Bytes(pending_, &bytes)) return FALSE;
  // Written beside the package first; the package is replaced only by a whole new file.
  const std::string fresh = target + ".new";
  if (!Write_File_Bytes(fresh, bytes)) {
    DeleteFileA(fresh.c_str());
    return FALSE;
  }
  if (!MoveFileExA(fresh.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    DeleteFileA(fresh.c_str());
    return FALSE;
  }
  return TRUE;
}

Package_Index::Package_Index(const std::vector<Package_Entry>& entries) {
  map_.reserve(entries.size());
  for (const Package_Entry& e : entries) map_.emplace(e.source, e.translation);
}

const std::string* Package_Index::Find(const std::string& source) const {
  auto found = map_.find(source);
  return found == map_.end() ? nullptr : &found->second;
}
