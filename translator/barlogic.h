#pragma once

// The floating bar's decisions, apart from its windows: the marks of its popup menus, the
// professional-dictionary list, the choice of a window's program, the button tips, snapping,
// placement after a display change and the animated edge while the bar is slid up.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "resource.h"

// --- commands ---

// Text codes of trhook32 and the commands that choose them.
constexpr int kCodeGB = 1, kCodeBig5 = 0, kCodeAuto = 256, kCodeNone = -1;
int Code_Of_Command(UINT id);      // the code a code command chooses
UINT Command_Of_Code(int code);    // the code command checked for a code in force

// --- menu marks ---

struct Menu_State {
  int code;  // what trhook32 reports
  int useChnEngMenu, interfaceType, useGameTrans, interfaceStyle;
  bool comparing, navBarOpen;
};
struct Menu_Mark {
  UINT id;
  bool checked;
  bool enabled;
};
// Every item whose mark depends on the state, with its check and enable marks.
std::vector<Menu_Mark> Menu_Marks(const Menu_State& s);

// --- professional-dictionary list ---

// One record of the list file: 36 bytes.
#pragma pack(push, 1)
struct DictListRecord {
  char fileName[16];
  char dictName[16];
  int32_t selected;
};
#pragma pack(pop)
static_assert(sizeof(DictListRecord) == 36, "list records are 36 bytes");

// The most records the dictionary submenu lists: their ids stay inside the dictionary range.
constexpr int kMaxListedDicts = ID_PROF_DICT_LAST - ID_PROF_DICT_FIRST + 1;

// The whole records of a list file's bytes (a short tail is left out).
std::vector<DictListRecord> Parse_Dict_List(const std::string& bytes);
std::string Dict_List_Bytes(const std::vector<DictListRecord>& records);
// Keeps the records whose dictionary file exists; true when none was dropped.
bool Keep_Existing_Dicts(std::vector<DictListRecord>& records,
                         const std::function<bool(const std::string& fileName)>& exists);
// Selects the record at `index` alone (none for an index outside the list).
void Select_Dict(std::vector<DictListRecord>& records, int index);
// The items of the dictionary submenu after its fixed entries: one per record, at most
// kMaxListedDicts, checked as the record's flag says unless no dictionary is chosen.
struct Dict_Menu_Item {
  UINT id;
  std::string name;
  bool checked;
};
std::vector<Dict_Menu_Item> Dict_Menu_Items(const std::vector<DictListRecord>& records,
                                            int profDictID);
// A record's field as text (the fields need not end with a zero byte).
std::string Dict_Field(const char (&field)[16]);

// --- web pages ---

// The address a web command opens, or null.
const char* Web_Page_Of(UINT id);

// --- a window's program ---

struct Process_Entry {
  DWORD pid;
  std::string exeFile;
};
// The first entry of the process whose name is neither empty nor longer than the buffer
// (`bufferSize` bytes); null when none qualifies.
const Process_Entry* Choose_Exe_Entry(const std::vector<Process_Entry>& entries, DWORD pid,
                                      size_t bufferSize);
// The file name without folder and extension.
std::string Exe_Base_Name(const std::string& path);

// --- tips ---

// The tooltip's own buffer: 80 bytes, so 79 bytes of text.
constexpr size_t kTipBuffer = 80;
// The tip of a translation button: its text with "%s" replaced by the program name and, when
// the title is not empty, "\n标题：" and the title, cut so that the tip stays within the
// buffer; cuts fall on character boundaries of the code-page-936 text.
std::string Compose_Target_Tip(const std::string& format, const std::string& programName,
                               const std::string& title);
// Text cut to at most `bytes` bytes without splitting a double-byte character.
std::string Cut_Bytes(const std::string& text, size_t bytes);

// --- placement ---

constexpr int kSnapDistance = 20;
// Where the bar goes when dropped at `r` on a screen of w x h (its size kept); the same
// top-left when it stays.
POINT Snap_Position(const RECT& r, int w, int h);
// The bar's top-left after the screen changed from old to new size.
POINT Display_Change_Position(POINT old, SIZE oldScreen, SIZE newScreen);

// --- the edge while slid up ---

struct Stripe {
  int left, right;
  COLORREF colour;
};
// The stripes of a gradient over [left, left + width) from colour a to colour b.
std::vector<Stripe> Gradient_Stripes(int left, int width, COLORREF a, COLORREF b);
// The sweep: the counter starts at 20 and runs to 140, then starts again.
struct Edge_Sweep {
  int counter = 20;
  // The white point's place in percent of the width for this tick; then the counter moves.
  int Next();
};
