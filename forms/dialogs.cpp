#include "forms/dialogs.h"
#include "forms/printing.h"

#include <cderr.h>
#include <commdlg.h>
#include <winspool.h>

#include <cstring>
#include <vector>

#include "forms/errors.h"

namespace forms {

std::string Filter_For_System(const std::string& filter) {
  std::string out = filter;
  for (char& c : out)
    if (c == '|') c = '\0';
  out.push_back('\0');
  out.push_back('\0');
  return out;
}

void Common_Dialog::Cancelled() {
  if (Cancel_Error) throw Runtime_Error(kCancelErrorNumber, "Cancel was selected.");
}

void Common_Dialog::Show_File(HWND owner, bool save) {
  const std::string filter = Filter_For_System(Filter);
  std::vector<char> name(4096, '\0');
  lstrcpynA(name.data(), File_Name.c_str(), static_cast<int>(name.size()));
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = Filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = Filter_Index > 0 ? Filter_Index : 1;
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrInitialDir = Init_Dir.empty() ? nullptr : Init_Dir.c_str();
  ofn.lpstrTitle = Dialog_Title.empty() ? nullptr : Dialog_Title.c_str();
  ofn.Flags = Flags | OFN_EXPLORER;
  const BOOL ok = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
  if (!ok) {
    File_Name.clear();
    if (CommDlgExtendedError() != 0 && !Cancel_Error)
      throw Runtime_Error(32765, "Common dialog function failed during initialization");
    Cancelled();
    return;
  }
  File_Name = name.data();
  Filter_Index = static_cast<int>(ofn.nFilterIndex);
  Flags = ofn.Flags & ~static_cast<DWORD>(OFN_EXPLORER);
}

void Common_Dialog::Show_Open(HWND owner) { Show_File(owner, false); }
void Common_Dialog::Show_Save(HWND owner) { Show_File(owner, true); }

void Common_Dialog::Show_Color(HWND owner) {
  static COLORREF custom[16] = {};
  CHOOSECOLORA cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = owner;
  cc.rgbResult = Color;
  cc.lpCustColors = custom;
  cc.Flags = Flags;
  if (!ChooseColorA(&cc)) {
    Cancelled();
    return;
  }
  Color = cc.rgbResult;
}

void Common_Dialog::Show_Font(HWND owner) {
  LOGFONTA lf{};
  HDC screen = GetDC(nullptr);
  lf.lfHeight = -static_cast<LONG>(Font_Size * GetDeviceCaps(screen, LOGPIXELSY) / 72.0 + 0.5);
  ReleaseDC(nullptr, screen);
  lf.lfWeight = Font_Bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = Font_Italic;
  lf.lfStrikeOut = Font_Strike_Thru;
  lf.lfUnderline = Font_Underline;
  lf.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(lf.lfFaceName, Font_Name.c_str(), LF_FACESIZE);
  CHOOSEFONTA cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = owner;
  cf.lpLogFont = &lf;
  cf.Flags = Flags | CF_INITTOLOGFONTSTRUCT;
  cf.rgbColors = Color;
  if (!ChooseFontA(&cf)) {
    Cancelled();
    return;
  }
  Font_Name = lf.lfFaceName;
  Font_Size = cf.iPointSize / 10.0;
  Font_Bold = lf.lfWeight >= FW_BOLD;
  Font_Italic = lf.lfItalic != 0;
  Font_Strike_Thru = lf.lfStrikeOut != 0;
  Font_Underline = lf.lfUnderline != 0;
  Color = cf.rgbColors;
}

void Common_Dialog::Show_Printer(HWND owner) {
  // Without any printer the system's dialog has nothing to offer: say so at once.
  if (Default_Printer_Name().empty()) throw Runtime_Error(482, "Printer error");
  PRINTDLGA pd{};
  pd.lStructSize = sizeof pd;
  pd.hwndOwner = owner;
  pd.Flags = Flags;
  pd.nCopies = 1;
  if (!PrintDlgA(&pd)) {
    const DWORD error = CommDlgExtendedError();
    if (error == PDERR_NODEFAULTPRN || error == PDERR_NODEVICES)
      throw Runtime_Error(482, "Printer error");
    if (error != 0) throw Runtime_Error(32765, "Common dialog function failed");
    Cancelled();
    return;
  }
  if (pd.hDevMode) GlobalFree(pd.hDevMode);
  if (pd.hDevNames) GlobalFree(pd.hDevNames);
  hDC = pd.hDC;
  Flags = pd.Flags;
}

HDC Default_Printer_Dc() {
  const std::string name = Default_Printer_Name();
  if (name.empty()) throw Runtime_Error(482, "Printer error");
  HDC dc = CreateDCA("WINSPOOL", name.c_str(), nullptr, nullptr);
  if (!dc) throw Runtime_Error(482, "Printer error");
  return dc;
}

}  // namespace forms
