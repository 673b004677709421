#pragma once

// A combo box taken over from a dialog template.

#include <windows.h>

#include "appfw/cstring.h"
#include "appfw/wnd.h"

namespace appfw {

class CComboBox : public CWnd {
 public:
  int GetCount() const;
  // Adds a text (in the list's own order when the list sorts); its index, or CB_ERR.
  int AddString(const char* text);
  int DeleteString(int index);
  CString GetLBText(int index) const;
  int GetCurSel() const;
  // The text of the edit field.
  CString GetEditText() const;
  void ResetContent();
};

}  // namespace appfw
