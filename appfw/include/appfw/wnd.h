#pragma once
// Naming: the framework and the translator keep MFC's spelling (CWnd, OnCreate, m_hWnd) and
// the names the translator's design gives (CTransBar, CSettingSheet); our own helpers in
// appfw/ follow the same MFC style.

#include <windows.h>

#include "appfw/cstring.h"

namespace appfw {

class CWnd;

// Message maps: each window class lists the messages it handles and the member that handles
// each; messages it does not list go to its base class's map, and at the end to the default
// window procedure.
//
//   class CMyWnd : public appfw::CWnd {
//     DECLARE_MSG_MAP()
//     LRESULT OnTimer(WPARAM, LPARAM);
//     void OnAbout();
//   };
//   BEGIN_MSG_MAP(CMyWnd, appfw::CWnd)
//     ON_MSG(WM_TIMER, OnTimer)
//     ON_CMD(32778, OnAbout)
//   END_MSG_MAP()
using MsgHandler = LRESULT (CWnd::*)(WPARAM, LPARAM);
using CmdHandler = void (CWnd::*)();

struct MsgMapEntry {
  UINT message;  // 0 ends the table
  UINT id;       // command id for WM_COMMAND entries
  MsgHandler onMessage;
  CmdHandler onCommand;
};

struct MsgMap {
  const MsgMap* (*base)();
  const MsgMapEntry* entries;
};

#define DECLARE_MSG_MAP()                          \
 protected:                                        \
  static const ::appfw::MsgMap* ThisMsgMap();      \
  const ::appfw::MsgMap* GetMsgMap() const override; \
                                                   \
 private:

#define BEGIN_MSG_MAP(cls, baseCls)                                               \
  const ::appfw::MsgMap* cls::GetMsgMap() const { return ThisMsgMap(); }          \
  const ::appfw::MsgMap* cls::ThisMsgMap() {                                      \
    using ThisClass = cls;                                                        \
    using BaseClass = baseCls;                                                    \
    static const ::appfw::MsgMapEntry entries[] = {
#define ON_MSG(message, fn) {message, 0, static_cast<::appfw::MsgHandler>(&ThisClass::fn), nullptr},
#define ON_CMD(id, fn) {WM_COMMAND, id, nullptr, static_cast<::appfw::CmdHandler>(&ThisClass::fn)},
#define END_MSG_MAP()                                                             \
  {0, 0, nullptr, nullptr}                                                        \
  }                                                                               \
  ;                                                                               \
  static const ::appfw::MsgMap map{&BaseClass::ThisMsgMap, entries};              \
  return &map;                                                                    \
  }

// A window of the program, bound to its handle while the window exists. Windows are made with
// CreateEx on a class from RegisterWndClass (or an existing control is taken over with
// SubclassWindow); their messages then run through the message map.
class CWnd {
 public:
  CWnd();
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  BOOL CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                int y, int width, int height, HWND parent, HMENU menuOrId);
  // Takes over an existing window (a dialog's control): its messages come here first and
  // the rest go to its own window procedure.
  BOOL SubclassWindow(HWND hwnd);
  BOOL SubclassDlgItem(UINT id, CWnd* parent);
  virtual BOOL DestroyWindow();

  // The framework object bound to a window handle, or null.
  static CWnd* FromHandle(HWND hwnd);
  HWND GetSafeHwnd() const { return m_hWnd; }

  virtual BOOL PreTranslateMessage(MSG* msg) { return FALSE; }
  // Runs the message map; unlisted messages go to DefWindowProc.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The default handling of the message now being handled.
  LRESULT Default();
  // Called after the window's last message; the object may delete itself here. An object
  // may also delete itself in a handler (after DestroyWindow, say): the framework then touches
  // it no more, neither in that message nor in the messages it was called from.
  virtual void PostNcDestroy() {}

  HWND m_hWnd = nullptr;

 protected:
  static const MsgMap* ThisMsgMap();
  virtual const MsgMap* GetMsgMap() const { return ThisMsgMap(); }
  // Looks the message up in the maps; TRUE with *result when a handler ran.
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

  void Attach(HWND hwnd);
  void Detach();

  friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
  friend class CDialog;

 private:
  // A message this object is handling. It lives on the stack of the window procedure, so
  // what the framework learns while the handler runs (the object was deleted, the default
  // handling ran) survives the object.
  struct Msg_Frame {
    Msg_Frame(CWnd* wnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    ~Msg_Frame() { Leave(); }
    Msg_Frame(const Msg_Frame&) = delete;
    Msg_Frame& operator=(const Msg_Frame&) = delete;
    // The object's current message becomes the one this frame interrupted (nothing is
    // written when the object is gone).
    void Leave();

    CWnd* wnd;
    MSG msg;
    Msg_Frame* outer;       // the message this one interrupted, or null
    bool deleted = false;   // the object was deleted while this message ran
    bool defaultRan = false;  // the default handling of this message ran
    bool wantsDefault = false;  // a dialog's handler asked for the dialog manager's handling
    bool left = false;
  };
  // Marks every message the object is handling as handled by a deleted object.
  void Mark_Deleted();
  // The window is in its final destruction (WM_DESTROY or WM_NCDESTROY is being handled).
  bool Window_Ending() const;

  WNDPROC m_oldProc = nullptr;
  Msg_Frame* m_frame = nullptr;  // the message now being handled, innermost first
};

LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers (once) a window class of the framework with these class style, cursor,
// background brush and icon, and returns its name. Windows of these classes are CWnd windows.
const char* AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr,
                                HBRUSH background = nullptr, HICON icon = nullptr);

// A run-time class record: a window class's name and how to make an instance of it, found by
// the name. DECLARE_DYNCREATE(cls) in the class and IMPLEMENT_DYNCREATE(cls) in its source file
// give the class its record, `cls::classRecord`.
struct CRuntimeClass {
  const char* m_lpszClassName;
  CWnd* (*m_pfnCreateObject)();
  // A new instance (delete it when done), or null.
  CWnd* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
  // The record of a class with that name, or null.
  static const CRuntimeClass* FromName(const char* name);
};
// Enters a record into the list FromName searches (IMPLEMENT_DYNCREATE does it).
struct Runtime_Class_Entry {
  explicit Runtime_Class_Entry(const CRuntimeClass* record);
};
#define DECLARE_DYNCREATE(cls)                       \
 public:                                             \
  static const ::appfw::CRuntimeClass classRecord;   \
  static ::appfw::CWnd* CreateObject();              \
                                                     \
 private:
#define IMPLEMENT_DYNCREATE(cls)                                                   \
  ::appfw::CWnd* cls::CreateObject() { return new cls; }                         \
  const ::appfw::CRuntimeClass cls::classRecord{#cls, &cls::CreateObject};       \
  static const ::appfw::Runtime_Class_Entry cls##_runtime_entry(&cls::classRecord);

// A static control (taken over from a dialog template).
class CStatic : public CWnd {};

// A dialog from a dialog template of the resource module.
class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);

  // Shows the dialog modally; returns what EndDialog was given, or -1 when it could not be
  // made.
  virtual INT_PTR DoModal();
  void EndDialog(INT_PTR result);

  // Called once the controls exist; the base binds controls and shows the members' values
  // through DoDataExchange.
  virtual BOOL OnInitDialog();
  // Binds controls and moves values between members and controls (the DDX_ helpers), in the
  // direction m_bSaveAndValidate says: false shows the members, true takes the controls' data.
  virtual void DoDataExchange() {}
  // Runs DoDataExchange in one direction; TRUE.
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }

  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  UINT m_templateId;
  CWnd* m_pParent;
  bool m_bSaveAndValidate = false;

 protected:
  // A handled message's value goes to DWLP_MSGRESULT, except for the messages whose value
  // the dialog procedure returns itself (colours, item comparison and keys, drag icon).
  // WM_INITDIALOG's lParam is the dialog object.
  static INT_PTR CALLBACK Dialog_Proc(HWND, UINT, WPARAM, LPARAM);
};

}  // namespace appfw
