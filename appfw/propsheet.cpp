#include "appfw/propsheet.h"

#include "appfw/app.h"

namespace appfw {

namespace {

// The sheet being made on this thread: the system's callback for it carries no data.
thread_local CPropertySheet* t_making = nullptr;

}  // namespace

BEGIN_MSG_MAP(CPropertyPage, CDialog)
  ON_MSG(WM_NOTIFY, OnNotify)
END_MSG_MAP()

CPropertyPage::CPropertyPage(UINT templateId) : CDialog(templateId) {
  m_psp.dwSize = sizeof m_psp;
  m_psp.dwFlags = PSP_DEFAULT;
  m_psp.pszTemplate = MAKEINTRESOURCEA(templateId);
  m_psp.pfnDlgProc = Page_Proc;
  m_psp.lParam = reinterpret_cast<LPARAM>(this);
}

INT_PTR CALLBACK CPropertyPage::Page_Proc(HWND hwnd, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
  // The page starts with the sheet's copy of its record, which names the page object.
  if (message == WM_INITDIALOG) {
    auto* psp = reinterpret_cast<PROPSHEETPAGEA*>(lParam);
    return Dialog_Proc(hwnd, message, wParam, psp ? psp->lParam : 0);
  }
  return Dialog_Proc(hwnd, message, wParam, lParam);
}

LRESULT CPropertyPage::OnNotify(WPARAM, LPARAM lParam) {
  const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
  switch (hdr->code) {
    case PSN_APPLY:
      if (m_pSheet) m_pSheet->applied_ = true;
      OnOK();
      return PSNRET_NOERROR;
    case PSN_RESET:
      OnCancel();
      return 0;
    default:
      return Default();
  }
}

CPropertySheet::CPropertySheet(UINT captionId, CWnd* parent, UINT selectPage) : parent_(parent) {
  caption_.LoadString(captionId);
  m_psh.dwSize = sizeof m_psh;
  m_psh.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_USECALLBACK;
  m_psh.nStartPage = selectPage;
  m_psh.pfnCallback = Sheet_Callback;
}

void CPropertySheet::AddPage(CPropertyPage* page) {
  page->m_pSheet = this;
  pages_.push_back(page);
}

int CALLBACK CPropertySheet::Sheet_Callback(HWND hwnd, UINT message, LPARAM) {
  if (message == PSCB_INITIALIZED && t_making) {
    CPropertySheet* sheet = t_making;
    t_making = nullptr;
    sheet->SubclassWindow(hwnd);
    sheet->OnInitDialog();
  }
  return 0;
}

INT_PTR CPropertySheet::DoModal() {
  std::vector<PROPSHEETPAGEA> records;
  for (CPropertyPage* page : pages_) records.push_back(page->m_psp);
  HWND owner = parent_ ? parent_->m_hWnd : nullptr;
  if (!owner) {
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd) owner = app->m_pMainWnd->m_hWnd;
  }
  m_psh.hwndParent = owner;
  m_psh.hInstance = AfxGetResourceHandle();
  m_psh.pszCaption = caption_;
  m_psh.nPages = static_cast<UINT>(records.size());
  m_psh.ppsp = records.data();
  applied_ = false;
  t_making = this;
  INT_PTR result = PropertySheetA(&m_psh);
  t_making = nullptr;
  if (result < 0) return -1;
  return applied_ ? IDOK : IDCANCEL;
}

}  // namespace appfw
