#include "services/typing_boxes.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "services/service_tables.h"

namespace quillon {

namespace {

void Guard(Key_Guard guard, forms::Rich_Text_Box& box, int key_code, int shift) {
  forms::Guarded([&] {
    if (Guard_Forbids(guard, key_code, shift))
      box.Set_Locked(true);
    else if (box.Locked())
      box.Set_Locked(false);
  });
}

void Set_Face(forms::Rich_Text_Box& box, const std::string& name, WPARAM which) {
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_FACE;
  strncpy(format.szFaceName, name.c_str(), LF_FACESIZE - 1);
  box.Send(EM_SETCHARFORMAT, which, reinterpret_cast<LPARAM>(&format));
}

std::string Face(const forms::Rich_Text_Box& box, WPARAM which) {
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  box.Send(EM_GETCHARFORMAT, which, reinterpret_cast<LPARAM>(&format));
  return format.szFaceName;
}

int CALLBACK Collect_Font(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM data) {
  auto* fonts = reinterpret_cast<std::vector<std::pair<std::string, int>>*>(data);
  fonts->emplace_back(font->lfFaceName, font->lfCharSet);
  return 1;
}

}  // namespace

void Block_Paste_And_Delete_Keys(forms::Rich_Text_Box& box, int key_code, int shift) {
  Guard(Key_Guard::Paste_And_Delete, box, key_code, shift);
}
void Block_Paste_Delete_And_Backspace_Keys(forms::Rich_Text_Box& box, int key_code, int shift) {
  Guard(Key_Guard::Paste_Delete_And_Backspace, box, key_code, shift);
}
void Block_Paste_Keys(forms::Rich_Text_Box& box, int key_code, int shift) {
  Guard(Key_Guard::Paste, box, key_code, shift);
}

std::string RichText_Font_Name(const forms::Rich_Text_Box& box) { return Face(box, SCF_DEFAULT); }
std::string RichText_Sel_Font_Name(const forms::Rich_Text_Box& box) {
  return Face(box, SCF_SELECTION);
}

void Reset_RichText_Font(forms::Rich_Text_Box& box, int font_kind) {
  forms::Guarded([&] {
    box.Set_Text("");
    box.Set_Sel_Start(0);
    std::string key, default_name;
    if (!Display_Font_Setting(font_kind, &key, &default_name)) return;
    std::string name = forms::Tutor_Settings::Get("Setting\\System\\Font", key, default_name);
    // A stored face that cannot show the practice text (a vertical "@" face, a symbol face)
    // would turn it into empty boxes: the default face serves instead.
    if (name != default_name && !Font_Shows_Practice_Text(name, font_kind)) name = default_name;
    Set_Face(box, name, SCF_ALL);
    Set_Face(box, name, SCF_DEFAULT);
    Set_Face(box, RichText_Font_Name(box), SCF_SELECTION);
  });
}

namespace {

// Whether the face drawn for the name shows every character of the kind's practice text; with
// `own_face`, also whether that face is the named one (an installed font, not a substitute).
bool Shows_Practice_Text(const std::string& name, int font_kind, bool own_face) {
  const std::wstring sample = Practice_Sample(font_kind);
  if (name.empty() || name[0] == '@' || sample.empty()) return false;
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return false;
  HFONT font = CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                           name.c_str());
  bool shows = false;
  if (font) {
    HGDIOBJ old = SelectObject(dc, font);
    char face[LF_FACESIZE] = {};
    GetTextFaceA(dc, LF_FACESIZE, face);
    std::vector<WORD> glyphs(sample.size());
    if ((!own_face || lstrcmpiA(face, name.c_str()) == 0) &&
        GetGlyphIndicesW(dc, sample.c_str(), static_cast<int>(sample.size()), glyphs.data(),
                         GGI_MARK_NONEXISTING_GLYPHS) == sample.size())
      shows = std::find(glyphs.begin(), glyphs.end(), WORD{0xFFFF}) == glyphs.end();
    SelectObject(dc, old);
    DeleteObject(font);
  }
  DeleteDC(dc);
  return shows;
}

}  // namespace

bool Font_Shows_Practice_Text(const std::string& name, int font_kind) {
  return Shows_Practice_Text(name, font_kind, false);
}

void Fill_Font_Combo(forms::Native_Control& chinese_combo, forms::Native_Control& english_combo) {
  forms::Guarded([&] {
    std::vector<std::pair<std::string, int>> fonts;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesA(screen, nullptr, Collect_Font, reinterpret_cast<LPARAM>(&fonts));
    ReleaseDC(nullptr, screen);
    for (const auto& [name, charset] : fonts) {
      const Font_List list = Classify_Font(name, charset);
      if (list == Font_List::Neither) continue;
      const int kind = list == Font_List::English ? 0 : 1;
      if (!Shows_Practice_Text(name, kind, true)) continue;
      forms::Native_Control& combo = kind == 0 ? english_combo : chinese_combo;
      combo.Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
  });
}

}  // namespace quillon
