#pragma once

// Property sheets on the system's property-sheet control: a modal sheet of pages, each page a
// dialog template. Pages are built when they are first shown; OK applies every built page in
// page order.

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "appfw/wnd.h"

namespace appfw {

class CPropertySheet;

// A page: a dialog whose title is its template's caption. OnOK applies it when the sheet
// closes with OK, OnCancel when it closes otherwise; both do nothing in the base.
class CPropertyPage : public CDialog {
  DECLARE_MSG_MAP()

 public:
  explicit CPropertyPage(UINT templateId);
  void OnOK() override {}
  void OnCancel() override {}
  CPropertySheet* GetSheet() const { return m_pSheet; }

  PROPSHEETPAGEA m_psp{};

 protected:
  // The sheet's notifications; derived pages pass on what they do not handle.
  LRESULT OnNotify(WPARAM, LPARAM);

 private:
  friend class CPropertySheet;
  static INT_PTR CALLBACK Page_Proc(HWND, UINT, WPARAM, LPARAM);
  CPropertySheet* m_pSheet = nullptr;
};

// A modal sheet without an Apply button and without Help buttons.
class CPropertySheet : public CWnd {
 public:
  // The caption is string `captionId` of the resource module.
  CPropertySheet(UINT captionId, CWnd* parent = nullptr, UINT selectPage = 0);
  // Pages are added in their order and are not owned.
  void AddPage(CPropertyPage* page);
  int GetPageCount() const { return static_cast<int>(pages_.size()); }
  CPropertyPage* GetPage(int index) const { return pages_.at(static_cast<size_t>(index)); }
  // IDOK when the sheet closed with OK (its built pages applied), else IDCANCEL; -1 when it
  // could not be made.
  virtual INT_PTR DoModal();
  // Called once the sheet window and its first page exist; the base does nothing.
  virtual BOOL OnInitDialog() { return TRUE; }

  PROPSHEETHEADERA m_psh{};

 private:
  friend class CPropertyPage;
  static int CALLBACK Sheet_Callback(HWND, UINT, LPARAM);
  CString caption_;
  CWnd* parent_;
  std::vector<CPropertyPage*> pages_;
  bool applied_ = false;
};

}  // namespace appfw
