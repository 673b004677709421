#include "shell/startup.h"

#include <fstream>

#include "forms/forms.h"
#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/key_table.h"
#include "services/sounds.h"
#include "services/tutor_settings.h"
#include "services/utilities.h"
#include "shell/command_tables.h"
#include "shell/commands.h"
#include "shell/main_form.h"
#include "shell/panel_slides.h"
#include "shell/reset_flag_text.h"
#include "shell/standins.h"

namespace quillon {

const char kMakerWebSite[] = "http://www.larkmoor.net/";
const char kMakerMail[] = "mailto:support@larkmoor.net";

namespace {

std::function<void()>& Exit_Function() {
  static std::function<void()> exit;
  return exit;
}

bool File_Exists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace


void Set_Exit_Function(std::function<void()> exit) { Exit_Function() = std::move(exit); }

// ---- Single instance ----

bool Previous_Instance_Running() {
  static HANDLE mark = nullptr;
  static bool previous = false;
  if (!mark) {
    mark = CreateMutexA(nullptr, FALSE, "Larkmoor.Quillon.Instance");
    previous = mark && GetLastError() == ERROR_ALREADY_EXISTS;
  }
  return previous;
}

bool Form_Flash_Initialize() {
  if (!Previous_Instance_Running()) return true;
  forms::Guarded([] {
    std::string flag = Trim(Read(kAboutFlag));
    if (flag != "1") Activate_Window_By_Caption(kMainCaption);
  });
  return false;
}

// ---- Reset flag file ----

void Write_Reset_Flag_File(const std::string& path) {
  forms::Guarded([&] {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) throw forms::Runtime_Error(75, "路径/文件访问错误");
    file << "0\r\n";
  });
}

void Check_Reset_Flag_File(const std::string& path) {
  // Each failing step is skipped silently and the next one runs.
  bool exists = forms::Silent([&] { return File_Exists(path); }, false);
  std::string line;
  bool read = false;
  if (exists) {
    read = forms::Silent(
        [&] {
          // Only the first bytes: the flag is the first line, however big the file is.
          std::ifstream file(path, std::ios::binary);
          if (!file) return false;
          std::string head(kResetFlagReadBytes + 1, '\0');
          file.read(head.data(), static_cast<std::streamsize>(head.size()));
          if (file.bad()) return false;
          head.resize(static_cast<size_t>(file.gcount()));
          const bool whole = head.size() <= kResetFlagReadBytes;
          if (!whole) head.resize(kResetFlagReadBytes);
          line = Reset_Flag_First_Line(head, whole);
          return true;
        },
        false);
  }
  Reset_Flag_Decision decision = Decide_Reset_Flag(exists, read ? &line : nullptr);
  if (decision.delete_settings)
    forms::Silent([] { forms::Tutor_Settings::Delete_Section("Setting"); });
  if (decision.rewrite) forms::Silent([&] {
      std::ofstream file(path, std::ios::binary | std::ios::trunc);
      file << "0\r\n";
    });
}

// ---- System initialisation ----

bool Ini_System() {
  bool go_on = true;
  forms::Guarded([&] {
    Scale_Factor = Get_Scale_Factor();
    Sound_Card_Present = Has_Sound_Card();
    BG_Music_File = Program_File("\\Music\\bg1.wav");
    Resource_Library_Path = Program_File("\\Lib\\artpack.dll");
    if (!File_Exists(Resource_Library_Path)) {
      forms::Message_Box(nullptr, "Not Found artpack.dll !!!", "严重错误", MB_OK | MB_ICONSTOP);
      go_on = false;
      return;
    }
    // A library that is there but cannot give the start-up its pictures stops it the same way.
    if (!Resource_Library_Usable(Resource_Library_Path)) {
      forms::Message_Box(nullptr, "Damaged artpack.dll !!!", "严重错误", MB_OK | MB_ICONSTOP);
      go_on = false;
      return;
    }
    BG_Music_On = Read(kBGMusicOn);
    Sound_On = Read(kSoundOn);
    Music_KB_On = Read(kMusicKBOn);
    English_Font_File = "Cour.ttf";
    Chinese_Font_File = "Simsun.ttf";
    Move_Step_Num = static_cast<float>(Get_Move_Step_Num());
    Add_Private_Fonts();
  });
  return go_on;
}

void Add_Private_Fonts() {
  forms::Guarded([] {
    struct Font {
      const std::string& file;
      bool& added;
    } fonts[] = {{English_Font_File, English_Font_Added}, {Chinese_Font_File, Chinese_Font_Added}};
    for (auto& font : fonts) {
      if (font.file.empty()) continue;
      if (File_Exists(Get_Windows_Path() + "\\Fonts\\" + font.file)) continue;
      // A missing font file adds nothing; the screens then use the system's substitute font.
      std::string own = Program_File("\\Fonts\\" + font.file);
      font.added = AddFontResourceA(own.c_str()) > 0;
    }
  });
}

void Remove_Private_Fonts() {
  forms::Silent([] {
    if (English_Font_Added)
      RemoveFontResourceA(Program_File("\\Fonts\\" + English_Font_File).c_str());
    if (Chinese_Font_Added)
      RemoveFontResourceA(Program_File("\\Fonts\\" + Chinese_Font_File).c_str());
    English_Font_Added = Chinese_Font_Added = false;
  });
}

// ---- Application state ----

void Initialize_Global_Variant() {
  forms::Guarded([] {
    IME_Shape_Key_Pending = true;
    Current_Panel = kNone;
    Screen_Function_Module = kNone;
    Function_Module_Hover_Enabled = true;
    Selected_Function_Module = kNone;
    Hover_Function_Module = kNone;
    Free_Type_Hover_Enabled = true;
    Police_Buttons_Normal = Apple_Buttons_Normal = Mouse_Buttons_Normal = Frog_Buttons_Normal =
        true;
    Frog_Page_First = true;
    Hover_English_Type = Hover_Chinese_Type = Hover_Game = Hover_Speed_Test =
        Hover_Other_Function = kNone;
    Open_PopMenu = kNone;
    PopMenu_Opening = false;
    Mouse_In_PopMenu = false;
    About_First_Activate = true;
    Key_Char_Page_First = true;
    Word_Page_First = true;
    Article_Page_First = true;
    static const char* const kWordLessons[8] = {
        "新版小学英语", "新版初中英语",          "新版高中英语", "大学英语1~4级常用词汇",
        "大学英语5~6级常用词汇", "GRE词汇进阶", "新编GMAT词汇", "托福600分单词"};
    for (int i = 0; i < 8; ++i) Word_Lesson_Name[i] = kWordLessons[i];
    static const char* const kArticleKinds[6] = {"格言", "散文", "诗词", "小说", "笑话", "杂项"};
    for (int i = 0; i < 6; ++i) Article_Kind_Name[i] = kArticleKinds[i];
    Clear_Session_Arrays();
    Initialize_Key_Table();
    for (int i = 1; i <= 4; ++i) File_Dialog_Folder[i] = Program_Folder();
    Samples_Folder = Program_File("\\Samples");
  });
}

// ---- Windows ----

void Set_System_Menu(forms::Form& form) {
  forms::Guarded([&] {
    HWND window = form.Hwnd();
    if (!window) throw forms::Runtime_Error(91, "窗口尚未加载");
    SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | WS_SYSMENU);
    HMENU menu = GetSystemMenu(window, FALSE);
    if (menu) DeleteMenu(menu, SC_CLOSE, MF_BYCOMMAND);
  });
}

void Show_Registered_User(forms::Form& form) {
  forms::Guarded([&] {
    auto& owner = form.Get<forms::Label>("Label_User_Name");
    auto& company = form.Get<forms::Label>("Label_Company_Name");
    std::string kind = Get_OS_Kind();
    std::string key;
    if (kind == "Windows") key = "Software\\Microsoft\\Windows\\CurrentVersion";
    else if (kind == "NT") key = "Software\\Microsoft\\Windows NT\\CurrentVersion";
    if (!key.empty()) {
      owner.Set_Caption(Read_Registry_String(HKEY_LOCAL_MACHINE, key, "RegisteredOwner"));
      company.Set_Caption(Read_Registry_String(HKEY_LOCAL_MACHINE, key, "RegisteredOrganization"));
    }
    if (owner.Caption().empty()) owner.Set_Caption("青岚网 www.larkmoor.net");
    if (company.Caption().empty()) company.Set_Caption("www.larkmoor.net");
  });
}

int Get_Color_Depth() {
  return forms::Guarded(
      [] {
        DEVMODEA mode{};
        HDC dc = CreateDCA("DISPLAY", "", "", &mode);
        if (!dc) dc = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
        if (!dc) throw forms::Runtime_Error(5, "无法取得显示设备");
        int bits = GetDeviceCaps(dc, BITSPIXEL);
        DeleteDC(dc);
        return bits;
      },
      0);
}

// ---- Exit ----

void Exit_System(forms::Form& form) {
  (void)form;
  forms::Silent([] { Switch_To_English_Layout(); });
  forms::Silent([] { Stop_All_Sounds(); });
  Remove_Private_Fonts();
  if (Exit_Function()) {
    Exit_Function()();
    return;
  }
  ExitProcess(0);
}

// ---- The start-up sequence ----

bool Form_Flash_Load() {
  // Without its folder the tutor finds none of its files: one box, and the start ends here.
  if (!forms::Guarded([] { return !Program_Folder().empty(); }, false, "！")) return false;
  Check_Reset_Flag_File(Program_File("\\index.txt"));
  if (!Ini_System()) return false;
  forms::Guarded([] {
    forms::Form& flash = Form_Flash();
    if (Scale_Factor != 1.0f) Scale_Form(flash, Scale_Factor);
    Load_Resource_Picture_To_Form(flash, "qd");
    Show_Registered_User(flash);
  });
  return true;
}

int Run_Tutor(HINSTANCE instance, const char* command_line) {
  (void)instance;
  Command_Line_Text = Trim(command_line ? command_line : "");
  if (!Form_Flash_Initialize()) return 0;
  forms::Form& flash = Form_Flash();
  bool go_on = true;
  flash.On_Load = [&go_on] { go_on = Form_Flash_Load(); };
  flash.Load();
  if (!go_on) return 1;
  flash.Show();
  forms::Do_Events();
  Form_Quillon().Show();
  return forms::Run_Message_Loop();
}

}  // namespace quillon
