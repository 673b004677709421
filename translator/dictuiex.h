#pragma once

// The package editor "DictUIEx": a program's translation package as a list of English source
// texts and Chinese translations, filtered by first letter through the index bar, searched by
// prefix with a remembered history, edited one translation at a time and written back on
// "编 译" under an animated wait window. The editor is modal; edits live in its records until
// they are compiled, and "退 出" drops the uncompiled ones.

#include <windows.h>
#include <commctrl.h>

#include <mutex>
#include <string>
#include <vector>

#include "appfw/app.h"
#include "appfw/combobox.h"
#include "appfw/controls.h"
#include "appfw/gdi.h"
#include "appfw/wnd.h"
#include "editor_logic.h"
#include "outbar.h"
#include "package.h"

// Messages of the entry list.
#define WM_DICTLIST_FILTER 0x500   // wParam: 'A'..'Z' or '0'
#define WM_DICTLIST_COMPILE 0x501  // writes the package
#define WM_DICTLIST_FIND 0x502     // wParam: a NUL-terminated text

// The search history's registry section, values "0" to "5".
constexpr char kHistorySection[] = "Larkmoor";
constexpr int kHistoryItems = 6;
constexpr int kSearchTextChars = 259;

// One translation, edited over the list's place.
class CEntryEditDlg : public appfw::CDialog {
  DECLARE_MSG_MAP()

 public:
  CEntryEditDlg();
  BOOL OnInitDialog() override;
  void OnOK() override;

  std::string m_strSource, m_strTranslation;
  RECT m_rcPlace{};

 protected:
  LRESULT OnEraseBkgnd(WPARAM, LPARAM);
  LRESULT OnCommandMsg(WPARAM, LPARAM);
  // Keeps the translation within 511 bytes, whole characters.
  void Limit_Translation();

  appfw::CBitmap m_background;
  bool m_limiting = false;
};

// The animated wait window: a turning crank beside its text, at the screen's corner.
class CWaitDlg : public appfw::CDialog {
  DECLARE_MSG_MAP()

 public:
  CWaitDlg();
  BOOL OnInitDialog() override;
  // Frames drawn by every wait window so far: the animation goes on where the last one left.
  static int s_ticks;

 protected:
  LRESULT OnTimer(WPARAM, LPARAM);
  LRESULT OnDestroy(WPARAM, LPARAM);
  void Draw_Frame();
  appfw::CImageList m_frames;
};

// The user-interface thread that shows the wait window. End() closes the window, which ends
// the thread; the thread is never killed.
class TShowApp : public appfw::CWinThread {
 public:
  TShowApp();
  ~TShowApp() override;
  BOOL InitInstance() override;
  // Closes the wait window (at once when it comes up later) and waits for the thread's end.
  void End();
  // Called by the wait window once it is up; FALSE when it is to close at once.
  BOOL Window_Up(HWND window);
  HWND Window() const;

 private:
  mutable std::mutex lock_;
  HWND window_ = nullptr;
  bool ending_ = false;
};

class CDictListCtrl;

// The search field with its history.
class CHistoryComboBox : public appfw::CComboBox {
  DECLARE_MSG_MAP()

 public:
  void SetList(CDictListCtrl* list) { m_pList = list; }
  void LoadHistory();
  void SaveHistory();
  // The edit text changed / an item was chosen (told by the dialog).
  void OnEditChange();
  void OnSelChange();
  // Enter in the edit field: the search joins the history (the editor stays open).
  void Add_To_History();
  // Takes Enter in the combo's edit field before the dialog manager does.
  void Catch_Enter();

 protected:
  LRESULT OnDestroy(WPARAM, LPARAM);
  void Find(const std::string& text);
  CDictListCtrl* m_pList = nullptr;
};

// The entry list: the package's records, their edits and the compile.
class CDictListCtrl : public appfw::CListCtrl {
  DECLARE_MSG_MAP()

 public:
  CDictListCtrl();
  ~CDictListCtrl() override;
  void SetPath(const char* path) { m_strPath = path; }
  // Columns, pictures and styles; the package read and one row per record.
  void Setup();
  // The first selected row in the entry dialog; a saved edit reaches every record of its
  // source text.
  void Edit_Selected();
  // Waits until every edit handed to the update worker is in the records.
  void Finish_Updates();
  // Draws a text that holds a menu item's key name after a tab as a menu shows it: the key
  // name set apart at the cell's right edge (the list would run the two together).
  LRESULT Custom_Draw(NMLVCUSTOMDRAW* draw);

  CInterfaceDictReader m_reader;
  CInterfaceDictWriter m_writer;
  CEntryEditDlg m_entryDlg;
  BOOL m_lastWriteOk = FALSE;

 protected:
  LRESULT OnFilter(WPARAM, LPARAM);
  LRESULT OnCompile(WPARAM, LPARAM);
  LRESULT OnFind(WPARAM, LPARAM);
  void Add_Row(int at, const InterfaceDictRecord& r);

  std::string m_strPath;
  appfw::CImageList m_rowImages, m_headerImages;
  std::vector<HANDLE> m_updates;  // update workers not yet waited for
  std::mutex m_recordsLock;       // the update worker against the user-interface thread
  friend DWORD WINAPI UpdateRecordsThread(LPVOID);
};

class CDictUIExDlg : public appfw::CDialog {
  DECLARE_MSG_MAP()

 public:
  explicit CDictUIExDlg(appfw::CWnd* parent = nullptr);
  ~CDictUIExDlg() override;
  BOOL OnInitDialog() override;
  void OnOK() override {}  // Enter never closes the editor

  std::string m_strPath;
  CDictListCtrl m_list;
  CHistoryComboBox m_combo;
  CGfxOutBarCtrl m_indexBar;
  int m_currentFolder = 0;

 protected:
  LRESULT OnEraseBkgnd(WPARAM, LPARAM);
  LRESULT OnPaint(WPARAM, LPARAM);
  LRESULT OnOutbarEvent(WPARAM, LPARAM);
  LRESULT OnNotify(WPARAM, LPARAM);
  LRESULT OnCommandMsg(WPARAM, LPARAM);
  LRESULT OnCtlColorStatic(WPARAM, LPARAM);
  LRESULT OnDestroy(WPARAM, LPARAM);
  void Layout();

  appfw::CBitmap m_background;
  HICON m_hIcon = nullptr;
  appfw::CImageList m_largeIcons, m_smallIcons;
};
