#pragma once

// Tool-tip controls whose tools ask their owner for the text when a tip is about to show,
// and the answer to such a request.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "appfw/wnd.h"

namespace appfw {

// A tool-tip control serving a window, its owner. Its tools cover whole windows and take
// their text from the owner (TTN_NEEDTEXT, a WM_NOTIFY to the owner); the owner passes the
// mouse messages of those windows on with RelayEvent. The control is a top-level window of its
// own, not owned by the owner window (an owned top-most popup would keep a top-most owner out
// of the top-most band): the owner destroys it with DestroyWindow, or the object does.
class CToolTipCtrl : public CWnd {
 public:
  // style: TTS_ flags added to WS_POPUP.
  BOOL Create(CWnd* owner, DWORD style = 0);
  HWND Owner() const { return m_hOwner; }
  // One tool covering `tool` (a window of the owner's), its text asked for on request.
  BOOL AddWindowTool(HWND tool);
  void RelayEvent(const MSG* msg);
  int SetMaxTipWidth(int width);
  // Takes a tip on show down; the next one asks for its text again.
  void Pop();
  // Asks for the text of the tip on show again and redraws it.
  void Update();
  // The text of the tip on show, or the last shown (empty before any).
  std::string Current_Text() const;

 private:
  HWND m_hOwner = nullptr;
};

// The answer to a tip's text request (TTN_GETDISPINFOA or W): a text that fits the request's
// own buffer goes there; a longer one is kept in `keep` (and `wideKeep` for the wide request),
// which must outlive the tip, and passed by pointer. FALSE for any other notification.
BOOL Answer_Tip_Request(NMHDR* request, const std::string& text, std::string& keep,
                        std::wstring& wideKeep);

}  // namespace appfw
