#include "appfw/combobox.h"

#include <string>

namespace appfw {

int CComboBox::GetCount() const {
  return static_cast<int>(SendMessageA(m_hWnd, CB_GETCOUNT, 0, 0));
}

int CComboBox::AddString(const char* text) {
  return static_cast<int>(SendMessageA(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int CComboBox::DeleteString(int index) {
  return static_cast<int>(SendMessageA(m_hWnd, CB_DELETESTRING, static_cast<WPARAM>(index), 0));
}

CString CComboBox::GetLBText(int index) const {
  LRESULT n = SendMessageA(m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (n == CB_ERR || n < 0) return CString();
  std::string text(static_cast<size_t>(n) + 1, '\0');
  n = SendMessageA(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(text.data()));
  text.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return CString(text);
}

int CComboBox::GetCurSel() const {
  return static_cast<int>(SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0));
}

CString CComboBox::GetEditText() const {
  int n = GetWindowTextLengthA(m_hWnd);
  std::string text(static_cast<size_t>(n > 0 ? n : 0) + 1, '\0');
  n = ::GetWindowTextA(m_hWnd, text.data(), static_cast<int>(text.size()));
  text.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return CString(text);
}

void CComboBox::ResetContent() { SendMessageA(m_hWnd, CB_RESETCONTENT, 0, 0); }

}  // namespace appfw
