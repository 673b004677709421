#include <ctime>
#include <string>

#include "freetype/free_type_screen.h"
#include "services/globals.h"
#include "services/utilities.h"
#include "services/program_folder.h"

namespace quillon {

std::string Free_Type_Temp_File;

namespace {

unsigned long Last_Process_Id = 0;

// Starts a program from a command line, maximised and in front; a program that cannot be started
// is reported as a missing file.
void Start_Program(const std::string& command_line) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWMAXIMIZED;
  PROCESS_INFORMATION info{};
  std::string line = command_line;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info))
    throw forms::Runtime_Error(53, "File not found");
  Last_Process_Id = info.dwProcessId;
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
}

// Writes the temporary copy and starts `program` with it; an empty program starts nothing.
void Hand_Off(const std::string& extension, const std::string& program) {
  forms::Guarded([&] {
    const std::string file = Write_Free_Type_Temp_File(extension);
    if (program.empty()) return;
    Start_Program(Hand_Off_Command_Line(program, file));
  });
}

}  // namespace

unsigned long Last_Hand_Off_Process_Id() { return Last_Process_Id; }

std::string Get_Time_Stamp() {
  return forms::Guarded(
      [] {
        SYSTEMTIME now{};
        GetLocalTime(&now);
        return Time_Stamp_Of(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
      },
      std::string());
}

std::string Whole_Temp_Folder() {
  char buffer[MAX_PATH + 1] = {};
  const DWORD n = GetTempPathA(sizeof buffer, buffer);
  if (n == 0 || n > MAX_PATH) throw forms::Runtime_Error(76, "Path not found");
  std::string folder(buffer, n);
  if (folder.back() != '\\') folder += '\\';
  return folder;
}

std::string Write_Free_Type_Temp_File(const std::string& extension) {
  Free_Type_Temp_File = Whole_Temp_Folder() + "QL" + Get_Time_Stamp() + extension;
  RichText_Free_Type().Save_File(Free_Type_Temp_File, extension != ".txt");
  return Free_Type_Temp_File;
}

void Save_Free_Type_File() {
  forms::Guarded([] {
    forms::Rich_Text_Box& editor = RichText_Free_Type();
    if (editor.Quick_Length() == 0) {
      forms::Message_Box(nullptr, "没有文档可以存储！", "错误", MB_ICONSTOP);
      return;
    }
    forms::Common_Dialog& dialog = CommonDialog_User();
    dialog.File_Name.clear();
    dialog.Init_Dir = File_Dialog_Folder[2];
    dialog.Dialog_Title = "文档存储到";
    dialog.Filter = "*.txt|*.txt|*.rtf|*.rtf|*.doc|*.doc|All files (*.*)|*.*";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    dialog.Cancel_Error = false;
    dialog.Show_Save(Free_Type_Form().Hwnd());
    if (dialog.File_Name.empty()) return;
    File_Dialog_Folder[2] = Get_Parent_Path(dialog.File_Name);
    editor.Save_File(dialog.File_Name, Saves_As_Rtf(dialog.File_Name));
  });
}

void Show_Send_Panel() {
  forms::Guarded([] {
    for (int i = static_cast<int>(Free_Type_Button::Close_Send); i < kFreeTypeButtons; ++i)
      Clear_Free_Type_Button_Picture(static_cast<Free_Type_Button>(i));
    Picture_Draw().Set_Visible(false);
    Picture_BG_Send().Set_Visible(true);
    Picture_BG_Send().Z_Order(0);
    Set_Free_Type_Button_Enabled(Free_Type_Button::Scribora, !Get_Scribora_Path().empty());
    Set_Free_Type_Button_Enabled(Free_Type_Button::Word, !Get_Word_Path().empty());
  });
}

void Set_Free_Type_Font() {
  forms::Rich_Text_Box& editor = RichText_Free_Type();
  forms::Common_Dialog& dialog = CommonDialog_User();
  dialog.Dialog_Title = "字体";
  dialog.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_FORCEFONTEXIST;
  dialog.Cancel_Error = true;
  // A property the selection does not hold alone (a mixed selection) keeps the dialog's last.
  const forms::Rich_Text_Box::Char_Format now = editor.Sel_Format();
  if (now.known & CFM_FACE) dialog.Font_Name = now.name;
  if (now.known & CFM_SIZE) dialog.Font_Size = now.size;
  if (now.known & CFM_BOLD) dialog.Font_Bold = now.bold;
  if (now.known & CFM_ITALIC) dialog.Font_Italic = now.italic;
  if (now.known & CFM_STRIKEOUT) dialog.Font_Strike_Thru = now.strike_thru;
  if (now.known & CFM_UNDERLINE) dialog.Font_Underline = now.underline;
  if (now.known & CFM_COLOR) dialog.Color = now.color;
  const bool confirmed = forms::Silent(
      [&] {
        dialog.Show_Font(Free_Type_Form().Hwnd());
        return true;
      },
      false);
  if (!confirmed || dialog.Font_Name.empty()) return;
  forms::Rich_Text_Box::Char_Format chosen;
  chosen.name = dialog.Font_Name;
  chosen.size = dialog.Font_Size;
  chosen.bold = dialog.Font_Bold;
  chosen.italic = dialog.Font_Italic;
  chosen.strike_thru = dialog.Font_Strike_Thru;
  chosen.underline = dialog.Font_Underline;
  chosen.color = dialog.Color;
  chosen.known = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_STRIKEOUT | CFM_UNDERLINE |
                 CFM_COLOR;
  forms::Silent([&] { editor.Set_Sel_Format(chosen); });
}

void Set_Free_Type_Text_Color() {
  forms::Rich_Text_Box& editor = RichText_Free_Type();
  forms::Common_Dialog& dialog = CommonDialog_User();
  dialog.Dialog_Title = "颜色";
  forms::Silent([&] { dialog.Color = editor.Sel_Color(); });
  dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
  dialog.Cancel_Error = true;
  const bool confirmed = forms::Silent(
      [&] {
        dialog.Show_Color(Free_Type_Form().Hwnd());
        return true;
      },
      false);
  if (confirmed) forms::Silent([&] { editor.Set_Sel_Color(dialog.Color); });
}

void Set_Free_Type_Back_Color() {
  forms::Guarded([] {
    forms::Rich_Text_Box& editor = RichText_Free_Type();
    forms::Common_Dialog& dialog = CommonDialog_User();
    dialog.Dialog_Title = "颜色";
    dialog.Color = editor.Back_Color();
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
    dialog.Cancel_Error = false;
    dialog.Show_Color(Free_Type_Form().Hwnd());
    editor.Set_Back_Color(dialog.Color);
  });
}

void Open_With_Notepad() {
  forms::Guarded([] {
    Hand_Off(".txt", Notepad_Program(Get_OS_Kind(), Get_Windows_Path(), Get_System_Path()));
  });
}

void Open_With_Wordpad() {
  forms::Guarded([] { Hand_Off(".rtf", Wordpad_Program(Get_OS_Kind(), Get_Program_Files_Path())); });
}

void Open_With_Scribora() {
  forms::Guarded([] {
    const std::string program = Get_Scribora_Path();
    if (program.empty()) throw forms::Runtime_Error(53, "File not found");
    Hand_Off(".rtf", program);
  });
}

void Open_With_Word() {
  forms::Guarded([] {
    const std::string program = Get_Word_Path();
    if (program.empty()) throw forms::Runtime_Error(53, "File not found");
    Hand_Off(".rtf", program);
  });
}

void Open_With_Other_Program() {
  forms::Guarded([] {
    forms::Common_Dialog& dialog = CommonDialog_User();
    dialog.File_Name.clear();
    dialog.Init_Dir = File_Dialog_Folder[4];
    dialog.Filter = "*.exe|*.exe|All files (*.*)|*.*";
    dialog.Filter_Index = 1;
    dialog.Dialog_Title = "其它打开方式";
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    dialog.Cancel_Error = false;
    dialog.Show_Open(Free_Type_Form().Hwnd());
    if (dialog.File_Name.empty()) return;
    File_Dialog_Folder[4] = Get_Parent_Path(dialog.File_Name);
    Hand_Off(".rtf", dialog.File_Name);
  });
}

void Print_Free_Type_Text() {
  try {
    forms::Rich_Text_Box& editor = RichText_Free_Type();
    forms::Common_Dialog& dialog = CommonDialog_User();
    dialog.Cancel_Error = true;
    dialog.Flags = PD_NOPAGENUMS | PD_RETURNDC | (editor.Sel_Length() > 0 ? PD_SELECTION : 0);
    dialog.hDC = nullptr;
    dialog.Show_Printer(Free_Type_Form().Hwnd());
    HDC printer = dialog.hDC;
    dialog.hDC = nullptr;
    struct Dc_Guard {
      HDC dc;
      ~Dc_Guard() {
        if (dc) DeleteDC(dc);
      }
    } guard{printer};
    editor.Sel_Print(printer, "青岚键坊 - 自由录入");
    Picture_BG_Send().Set_Visible(false);
    if (editor.Enabled() && editor.Visible()) forms::Silent([&] { editor.Set_Focus(); });
  } catch (const forms::Runtime_Error& e) {
    if (e.Number() == forms::kCancelErrorNumber) return;
    forms::Message_Box(nullptr, std::string(e.what()) + " !", "无法打印", MB_ICONSTOP);
  } catch (const std::exception& e) {
    forms::Message_Box(nullptr, std::string(e.what()) + " !", "无法打印", MB_ICONSTOP);
  }
}

}  // namespace quillon
