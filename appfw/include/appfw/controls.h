#pragma once

// Common controls taken over from dialog templates (list views, hot-key controls), image
// lists, data exchange between dialog members and controls, and the open-file dialog.

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <string>
#include <vector>

#include "appfw/cstring.h"
#include "appfw/wnd.h"

namespace appfw {

// An image list, destroyed with the object.
class CImageList {
 public:
  CImageList() = default;
  ~CImageList();
  CImageList(const CImageList&) = delete;
  CImageList& operator=(const CImageList&) = delete;

  // Cuts bitmap `bitmapId` of the resource module into images `width` pixels wide; pixels of
  // `mask` colour are see-through.
  BOOL Create(UINT bitmapId, int width, int grow, COLORREF mask);
  HIMAGELIST m_hImageList = nullptr;
};

// A list view.
class CListCtrl : public CWnd {
 public:
  DWORD SetExtendedStyle(DWORD style);
  HIMAGELIST SetImageList(CImageList* list, int which);
  int InsertColumn(int column, const char* heading, int format, int width);
  BOOL SetColumnWidth(int column, int width);
  int InsertItem(int item, const char* text, int image = -1);
  BOOL SetItemText(int item, int column, const char* text);
  CString GetItemText(int item, int column) const;
  BOOL SetItemData(int item, DWORD_PTR data);
  DWORD_PTR GetItemData(int item) const;
  BOOL SetItemImage(int item, int image);
  int GetItemImage(int item) const;
  BOOL SetItemState(int item, UINT state, UINT mask);
  BOOL DeleteItem(int item);
  BOOL DeleteAllItems();
  int GetItemCount() const;
  int GetSelectionMark() const;
  int SetSelectionMark(int item);
  // The next item after `start` (-1: from the first) with the LVNI_ flags.
  int GetNextItem(int start, UINT flags) const;
  BOOL SetBkColor(COLORREF colour);
  BOOL SetTextBkColor(COLORREF colour);
  // Marks and focuses one item and makes it the selection mark.
  void Select(int item);
  void SetRedraw(BOOL redraw);
  // The item under a point of the client area, or -1.
  int HitTest(POINT client) const;
};

// A hot-key control: a key in the low byte, the HOTKEYF_ modifier flags in the high byte.
class CHotKeyCtrl : public CWnd {
 public:
  void SetHotKey(WORD virtualKey, WORD modifiers);
  DWORD GetHotKey() const;
  void GetHotKey(WORD& virtualKey, WORD& modifiers) const;
};

// Data exchange in the dialog's current direction (CDialog::m_bSaveAndValidate).
// Binds the control `id` to a framework object the first time.
void DDX_Control(CDialog* dlg, int id, CWnd& control);
// A radio group that starts at control `firstId` and runs to the next control that starts a
// group: the value is the index of the checked button, -1 when none is checked.
void DDX_Radio(CDialog* dlg, int firstId, int& value);
// An edit box's or a drop-down list's text.
void DDX_Text(CDialog* dlg, int id, std::string& value);
// A check box: 0 unchecked, 1 checked, 2 indeterminate.
void DDX_Check(CDialog* dlg, int id, int& value);

// The paths an open-file dialog's buffer names: one full path, or (after a multiple choice)
// the folder followed by the names, each ending with a zero byte and the list with two. Text
// beyond `size` bytes is not looked at.
std::vector<std::string> Split_Chosen_Files(const char* buffer, size_t size);

// The system's open-file dialog. The filter is written with "|" between its parts, like
// "Texts (*.txt)|*.txt||".
class CFileDialog {
 public:
  CFileDialog(const char* filter, DWORD flags, HWND owner, size_t bufferSize = MAX_PATH);
  CFileDialog(const CFileDialog&) = delete;
  CFileDialog& operator=(const CFileDialog&) = delete;
  // IDOK or IDCANCEL.
  INT_PTR DoModal();
  // The chosen files, full paths in the dialog's order.
  std::vector<std::string> GetPathNames() const;

  OPENFILENAMEA m_ofn{};
  std::string m_initialDir;

 private:
  std::string filter_;
  std::vector<char> buffer_;
};

}  // namespace appfw
