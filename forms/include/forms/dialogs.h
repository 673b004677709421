#pragma once
// The common dialog: one object whose properties the caller sets before each Show_ call and
// reads afterwards (open, save, colour, font, print). A property a caller does not set keeps
// what the previous dialog left, so one shared object remembers the last filter entry, colour
// and font. With Cancel_Error a cancelled dialog throws Runtime_Error 32755 ("Cancel was
// selected."); without it a cancelled file dialog leaves File_Name empty and the others leave
// their properties as they were.
//
// Also here: the system's default printer as a device context.

#include <windows.h>
#include <commdlg.h>

#include <string>

namespace forms {

constexpr int kCancelErrorNumber = 32755;

class Common_Dialog {
 public:
  // File dialogs. Filter: "description|pattern|description|pattern..." entries, Filter_Index
  // 1-based (0: the first).
  std::string File_Name, Init_Dir, Filter, Dialog_Title;
  int Filter_Index = 0;
  DWORD Flags = 0;
  bool Cancel_Error = false;
  // Colour dialog.
  COLORREF Color = 0;
  // Font dialog.
  std::string Font_Name;
  double Font_Size = 0;
  bool Font_Bold = false, Font_Italic = false, Font_Strike_Thru = false, Font_Underline = false;
  // Print dialog (Runtime_Error 482 "Printer error" when the system has no printer): the
  // printer's device context after a confirmed dialog with PD_RETURNDC (the
  // caller deletes it with DeleteDC).
  HDC hDC = nullptr;

  void Show_Open(HWND owner = nullptr);
  void Show_Save(HWND owner = nullptr);
  void Show_Color(HWND owner = nullptr);
  void Show_Font(HWND owner = nullptr);
  void Show_Printer(HWND owner = nullptr);

 private:
  void Show_File(HWND owner, bool save);
  void Cancelled();
};

// The filter text of the dialog ("a|b|c|d") as the system wants it: NUL-separated, two NULs at
// the end.
std::string Filter_For_System(const std::string& filter);

// A device context of the default printer; throws Runtime_Error 482 "Printer error" when the
// system has none. The caller deletes it with DeleteDC.
HDC Default_Printer_Dc();
// (The default printer's name: Default_Printer_Name, forms/printing.h.)

}  // namespace forms
