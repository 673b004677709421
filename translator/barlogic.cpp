#include "barlogic.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

struct Code_Row {
  UINT id;
  int code;
};
constexpr Code_Row kCodes[] = {{ID_CODE_GB, kCodeGB},
                               {ID_CODE_BIG5, kCodeBig5},
                               {ID_CODE_AUTO, kCodeAuto},
                               {ID_CODE_NONE, kCodeNone}};

}  // namespace

int Code_Of_Command(UINT id) {
  for (const Code_Row& r : kCodes)
    if (r.id == id) return r.code;
  return kCodeNone;
}

UINT Command_Of_Code(int code) {
  for (const Code_Row& r : kCodes)
    if (r.code == code) return r.id;
  return ID_CODE_NONE;  // any other value counts as no conversion
}

std::vector<Menu_Mark> Menu_Marks(const Menu_State& s) {
  std::vector<Menu_Mark> marks;
  UINT code = Command_Of_Code(s.code);
  for (const Code_Row& r : kCodes) marks.push_back({r.id, r.id == code, true});
  marks.push_back({ID_BILINGUAL_MENU, s.useChnEngMenu != 0, true});
  marks.push_back({ID_BIG5_INTERFACE, s.interfaceType == 1, true});
  marks.push_back({ID_GAME_TRANS, s.useGameTrans == 1, true});
  marks.push_back({ID_SIMPLE_INTERFACE, s.interfaceStyle == 0, true});
  marks.push_back({ID_COMPARE_LEFTRIGHT, false, !s.comparing});
  marks.push_back({ID_COMPARE_UPDOWN, false, !s.comparing});
  marks.push_back({ID_COMPARE_OFF, false, s.comparing});
  marks.push_back({ID_NAV_BAR, s.navBarOpen, true});
  return marks;
}

std::vector<DictListRecord> Parse_Dict_List(const std::string& bytes) {
  std::vector<DictListRecord> records(bytes.size() / sizeof(DictListRecord));
  if (!records.empty()) memcpy(records.data(), bytes.data(), records.size() * sizeof records[0]);
  return records;
}

std::string Dict_List_Bytes(const std::vector<DictListRecord>& records) {
  return std::string(reinterpret_cast<const char*>(records.data()),
                     records.size() * sizeof(DictListRecord));
}

bool Keep_Existing_Dicts(std::vector<DictListRecord>& records,
                         const std::function<bool(const std::string&)>& exists) {
  size_t before = records.size();
  records.erase(std::remove_if(records.begin(), records.end(),
                               [&](const DictListRecord& r) {
                                 return !exists(Dict_Field(r.fileName));
                               }),
                records.end());
  return records.size() == before;
}

void Select_Dict(std::vector<DictListRecord>& records, int index) {
  for (size_t i = 0; i < records.size(); ++i)
    records[i].selected = static_cast<int>(i) == index ? 1 : 0;
}

std::vector<Dict_Menu_Item> Dict_Menu_Items(const std::vector<DictListRecord>& records,
                                            int profDictID) {
  std::vector<Dict_Menu_Item> items;
  for (size_t i = 0; i < records.size() && i < static_cast<size_t>(kMaxListedDicts); ++i) {
    items.push_back({ID_PROF_DICT_FIRST + static_cast<UINT>(i), Dict_Field(records[i].dictName),
                     profDictID != -1 && records[i].selected != 0});
  }
  return items;
}

const char* Web_Page_Of(UINT id) {
  struct Row {
    UINT id;
    const char* address;
  };
  // The maker's pages, all in one place.
  static const Row kPages[] = {
      {ID_WEB_COMPANY, "http://www.example.com/larkmoor/"},
      {ID_WEB_SHOP, "http://shop.example.com/larkmoor/"},
      {ID_WEB_DICTIONARY, "http://www.example.com/larkmoor/vordex/"},
      {ID_WEB_SCRIBORA, "http://www.example.com/larkmoor/scribora/"},
  };
  for (const Row& r : kPages)
    if (r.id == id) return r.address;
  return nullptr;
}

std::string Dict_Field(const char (&field)[16]) {
  return std::string(field, strnlen(field, sizeof field));
}

const Process_Entry* Choose_Exe_Entry(const std::vector<Process_Entry>& entries, DWORD pid,
                                      size_t bufferSize) {
  for (const Process_Entry& e : entries) {
    if (e.pid == pid && !e.exeFile.empty() && e.exeFile.size() <= bufferSize) return &e;
  }
  return nullptr;
}

std::string Exe_Base_Name(const std::string& path) {
  size_t slash = path.find_last_of("\\/:");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.resize(dot);
  return name;
}

std::string Cut_Bytes(const std::string& text, size_t bytes) {
  size_t end = 0;
  while (end < text.size()) {
    // A lead byte of code page 936 takes its trail byte with it.
    size_t len = static_cast<unsigned char>(text[end]) >= 0x81 && end + 1 < text.size() ? 2 : 1;
    if (end + len > bytes) break;
    end += len;
  }
  return text.substr(0, end);
}

std::string Compose_Target_Tip(const std::string& format, const std::string& programName,
                               const std::string& title) {
  std::string tip = format;
  size_t at = tip.find("%s");
  if (at != std::string::npos) tip.replace(at, 2, programName);
  const size_t room = kTipBuffer - 1;
  if (!title.empty()) {
    tip += "\n标题：";
    size_t used = tip.size();
    size_t fits = used < room ? room - used : 0;
    if (title.size() > fits) {
      size_t keep = used + 4 < room ? room - 4 - used : 0;  // room for "..."
      tip += Cut_Bytes(title, keep) + "...";
    } else {
      tip += title;
    }
  }
  return Cut_Bytes(tip, room);
}

POINT Snap_Position(const RECT& r, int w, int h) {
  const int d = kSnapDistance;
  int width = r.right - r.left, height = r.bottom - r.top;
  bool left = r.left < d, top = r.top < d, right = r.right > w - d, bottom = r.bottom > h - d;
  if (left && top) return {0, 0};
  if (right && top) return {w - width, 0};
  if (left && bottom) return {0, h - height};
  if (right && bottom) return {w - width, h - height};
  if (left) return {0, r.top};
  if (top) return {r.left, 0};
  if (bottom) return {r.left, h - height};
  if (right) return {w - width, r.top};
  return {r.left, r.top};
}

POINT Display_Change_Position(POINT old, SIZE oldScreen, SIZE newScreen) {
  if (oldScreen.cx <= 0 || oldScreen.cy <= 0) return old;
  return {static_cast<LONG>(static_cast<long long>(old.x) * newScreen.cx / oldScreen.cx),
          static_cast<LONG>(static_cast<long long>(old.y) * newScreen.cy / oldScreen.cy)};
}

std::vector<Stripe> Gradient_Stripes(int left, int width, COLORREF a, COLORREF b) {
  int ar = GetRValue(a), ag = GetGValue(a), ab = GetBValue(a);
  int dr = GetRValue(b) - ar, dg = GetGValue(b) - ag, db = GetBValue(b) - ab;
  int n = std::max({std::abs(dr), std::abs(dg), std::abs(db)});
  std::vector<Stripe> stripes;
  for (int i = 0; i < n; ++i) {
    stripes.push_back({left + i * width / n, left + (i + 1) * width / n,
                       RGB(ar + i * dr / n, ag + i * dg / n, ab + i * db / n)});
  }
  return stripes;
}

int Edge_Sweep::Next() {
  if (counter > 140) counter = 20;
  int p = counter <= 80 ? counter : 160 - counter;
  ++counter;
  return p;
}
