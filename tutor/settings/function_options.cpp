#include "settings/function_options.h"

#include <cstdlib>

namespace quillon {

namespace {

using K = Option_Kind;

Option_Key Number_Key(int tab, const char* control, const Int_Setting& s, int characters,
                      int arrows_max) {
  return Option_Key{tab, control, K::Number, s, characters, arrows_max};
}

}  // namespace

const std::vector<Option_Key>& Option_Keys() {
  static const std::vector<Option_Key> keys = {
      {2, "Option_Article_Type_Method", K::Option, kEnglishArticleTypeMethod},
      {2, "Combo_Article", K::Combo, kArticleLesson},
      {2, "Check_Article_Cursor_Prompt", K::Check, kArticleCursorPrompt},
      {2, "Check_Article_Remember", K::Check, kEnglishArticleRemember},
      {0, "Option_Char_Type_Method", K::Option, kCharTypeMethod},
      {0, "Check_Char_Remember", K::Check, kCharRemember},
      {0, "Check_Char_Cursor_Prompt", K::Check, kCharCursorPrompt},
      {1, "Combo_Word", K::Combo, kWordLesson},
      {1, "Check_Word_Remember", K::Check, kWordRemember},
      Number_Key(1, "RichText_Word_One_Line_Words_Num", kWordWordsNum, 2, 99),
      Number_Key(1, "RichText_Word_Lines_Num", kWordLinesNum, 2, 99),
      {1, "Check_Word_Cursor_Prompt", K::Check, kWordCursorPrompt},
      {11, "Check_Free_Type_Not_Paste", K::Check, kFreeTypeNoPaste},
      {11, "Check_Free_Type_Not_Open_File", K::Check, kFreeTypeNoOpen},
      Number_Key(11, "RichText_Free_Type_Coefficient", kFreeTypeCoefficient, 2, 99),
      {3, "Check_Audition_Show_Source", K::Check, kAuditionShowSource},
      {3, "Check_Audition_Remember", K::Check, kAuditionRemember},
      {3, "Option_Wubi_PinYin", K::Option, kAuditionIndex},
      {4, "Option_Wubi_Type_Method", K::Option, kWubiTypeMethod},
      {4, "Check_Wubi_Cursor_Prompt", K::Check, kWubiCursorPrompt},
      {4, "Check_Wubi_Remember", K::Check, kWubiRemember},
      {4, "Check_Show_Wubi_Info", K::Check, kWubiInfo},
      {4, "Combo_Wubi", K::Combo, kWubiCodeIndex},
      {5, "Option_PinYin_Type_Method", K::Option, kPinYinTypeMethod},
      {5, "Check_PinYin_Remember", K::Check, kPinYinRemember},
      {5, "Combo_PinYin", K::Combo, kPinYinCodeIndex},
      {10, "Check_Test_Remember", K::Check, kTestRemember},
      Number_Key(10, "RichText_Test_Record", kTestMaxRecord, 4, 9999),
      {8, "Slider_Mouse_Speed_Num", K::Slider, kMouseSpeedNum},
      Number_Key(8, "RichText_Mouse_Num", kMouseNum, 1, 9),
      Number_Key(8, "RichText_Mouse_Game_Time", kMouseGameTime, 3, 99),
      Number_Key(8, "RichText_Mouse_Disappear_Time", kMouseDisappearTime, 1, 9),
      {7, "Slider_Apple_Speed_Num", K::Slider, kAppleSpeedNum},
      Number_Key(7, "RichText_Apple_Balloon_Num", kAppleBalloonNum, 1, 9),
      Number_Key(7, "RichText_Apple_Game_Time", kAppleGameTime, 3, 99),
      {6, "Slider_Game_Police_Speed_Num", K::Slider, kPoliceSpeedNum},
      Number_Key(6, "RichText_Game_Police_Wait_Time", kPoliceWaitTime, 1, 9),
      Number_Key(6, "RichText_Balk_Wait_Time", kBalkWaitTime, 1, 9),
      {6, "Check_Game_Police_Remember", K::Check, kPoliceRemember},
      {9, "Combo_Frog", K::Combo, kFrogLesson},
      {9, "Slider_Game_Frog_Boat_Speed_Num", K::Slider, kFrogSpeedNum},
      {9, "Check_Game_Frog_Remember", K::Check, kFrogRemember},
  };
  return keys;
}

const Option_Key* Option_Key_Of(const std::string& control) {
  for (const Option_Key& k : Option_Keys())
    if (control == k.control) return &k;
  return nullptr;
}

namespace {

// The whole text as a decimal number (an optional minus sign and digits); false otherwise.
bool Whole_Number(const std::string& text, long& value) {
  if (text.empty() || text.size() > 9) return false;
  size_t start = text[0] == '-' ? 1 : 0;
  if (start == text.size()) return false;
  for (size_t i = start; i < text.size(); ++i)
    if (text[i] < '0' || text[i] > '9') return false;
  value = std::strtol(text.c_str(), nullptr, 10);
  return true;
}

}  // namespace

int Control_Value_From(Option_Kind kind, const std::string& stored, int count) {
  long v = 0;
  if (!Whole_Number(stored, v)) return -1;
  switch (kind) {
    case Option_Kind::Check: return v == 0 || v == 1 ? static_cast<int>(v) : -1;
    case Option_Kind::Option:
    case Option_Kind::Combo: return v >= 0 && v < count ? static_cast<int>(v) : -1;
    case Option_Kind::Slider: return v >= 1 && v <= 100 ? static_cast<int>(v) : -1;
    case Option_Kind::Number: return -1;
  }
  return -1;
}

std::string Number_Box_Text_From(const std::string& stored, int characters) {
  if (stored.empty() || static_cast<int>(stored.size()) > characters) return "";
  for (char c : stored)
    if (c < '0' || c > '9') return "";
  return stored;
}

std::string Normalized_Number_Text(const std::string& text) {
  for (char c : text)
    if (c >= '1' && c <= '9') return text;
  return "1";
}

std::vector<const char*> Compared_Controls(int tab, int current_language, int current_panel) {
  switch (static_cast<Exercise_Kind>(tab)) {
    case Exercise_Kind::Keys:
      return {"Option_Char_Type_Method", "Check_Char_Remember", "Check_Char_Cursor_Prompt"};
    case Exercise_Kind::Words:
      return {"Combo_Word", "Check_Word_Remember", "RichText_Word_One_Line_Words_Num",
              "RichText_Word_Lines_Num", "Check_Word_Cursor_Prompt"};
    case Exercise_Kind::English_Article:
      return {"Option_Article_Type_Method", "Combo_Article", "Check_Article_Cursor_Prompt",
              "Check_Article_Remember"};
    case Exercise_Kind::Audition:
      if (current_language == 1)
        return {"Check_Audition_Show_Source", "Check_Audition_Remember", "Option_Wubi_PinYin"};
      return {"Check_Audition_Show_Source", "Check_Audition_Remember"};
    case Exercise_Kind::Wubi:
      return {"Combo_Article", "Option_Wubi_Type_Method", "Check_Wubi_Cursor_Prompt",
              "Check_Wubi_Remember", "Check_Show_Wubi_Info", "Combo_Wubi"};
    case Exercise_Kind::PinYin:
      return {"Combo_Article", "Option_PinYin_Type_Method", "Check_PinYin_Remember",
              "Combo_PinYin"};
    case Exercise_Kind::Police:
      return {"Slider_Game_Police_Speed_Num", "RichText_Game_Police_Wait_Time",
              "RichText_Balk_Wait_Time", "Check_Game_Police_Remember"};
    case Exercise_Kind::Apple:
      return {"Slider_Apple_Speed_Num", "RichText_Apple_Balloon_Num", "RichText_Apple_Game_Time"};
    case Exercise_Kind::Mouse:
      return {"Slider_Mouse_Speed_Num", "RichText_Mouse_Num", "RichText_Mouse_Game_Time",
              "RichText_Mouse_Disappear_Time"};
    case Exercise_Kind::Frog:
      return {"Combo_Frog", "Slider_Game_Frog_Boat_Speed_Num", "Check_Game_Frog_Remember"};
    case Exercise_Kind::Speed_Test:
      if (current_panel == Number(Panel_Id::In_Test)) return {"Check_Test_Remember"};
      if (current_panel == Number(Panel_Id::Records)) return {"RichText_Test_Record"};
      return {};
    case Exercise_Kind::Free_Type:
      return {"Check_Free_Type_Not_Paste", "Check_Free_Type_Not_Open_File",
              "RichText_Free_Type_Coefficient"};
    case Exercise_Kind::None: return {};
  }
  return {};
}

bool Option_Changed(const Option_Key& key, const std::string& stored_text,
                    const std::string& control_text) {
  if (key.kind == Option_Kind::Number) return stored_text != control_text;
  long stored = key.setting.fallback, shown = 0;
  if (!Whole_Number(stored_text, stored)) stored = key.setting.fallback;
  if (!Whole_Number(control_text, shown)) return true;
  return stored != shown;
}

Restart_Command Restart_For(int tab, int current_language, int current_panel) {
  using R = Restart_Command;
  auto item = [](Menu menu, int i) {
    R r;
    r.kind = R::Kind::Menu_Item;
    r.menu = menu;
    r.item = i;
    return r;
  };
  switch (static_cast<Exercise_Kind>(tab)) {
    case Exercise_Kind::Keys:
    case Exercise_Kind::Words:
    case Exercise_Kind::English_Article: return item(Menu::English_Type, tab);
    case Exercise_Kind::Audition:
      if (current_language == 0) return item(Menu::English_Type, Number(English_Type_Item::Audition));
      if (current_language == 1) return item(Menu::Chinese_Type, Number(Chinese_Type_Item::Audition));
      return R{};
    case Exercise_Kind::Wubi:
    case Exercise_Kind::PinYin: return item(Menu::Chinese_Type, tab - 4);
    case Exercise_Kind::Police:
    case Exercise_Kind::Apple:
    case Exercise_Kind::Mouse:
    case Exercise_Kind::Frog: return item(Menu::Game, tab - 6);
    case Exercise_Kind::Speed_Test:
      if (current_panel == Number(Panel_Id::In_Test))
        return item(Menu::Speed_Test, Number(Speed_Test_Item::In_Test));
      if (current_panel == Number(Panel_Id::Records))
        return item(Menu::Other_Function, Number(Other_Function_Item::Records));
      return R{};
    case Exercise_Kind::Free_Type: {
      R r;
      r.kind = R::Kind::Function_Module;
      r.button = Function_Button::Free_Type;
      return r;
    }
    case Exercise_Kind::None: return R{};
  }
  return R{};
}

std::string Picture_Suffix(float f) {
  if (f == static_cast<float>(1 / 0.75)) return "_075";
  if (f == static_cast<float>(1 / 1.25)) return "_125";
  if (f == static_cast<float>(1 / 1.5)) return "_150";
  if (f == static_cast<float>(1 / 2.0)) return "_200";
  return "_";
}

}  // namespace quillon
