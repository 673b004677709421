/* A small Simple MAPI provider for the tests: sessions are numbers, messages are lines of a log
 * beside the DLL, and its address book is a small window listing a few addresses. */
#include <windows.h>
#include <mapi.h>
#include <stdio.h>
#include <string.h>

#include "standin_record.h"

static HINSTANCE self;
static ULONG_PTR next_session = 0x5150;

static void beside_me(char* out, const char* name) {
  GetModuleFileNameA(self, out, MAX_PATH);
  char* slash = strrchr(out, '\\');
  strcpy(slash ? slash + 1 : out, name);
}

static void log_line(const char* text) {
  char path[MAX_PATH + 32];
  beside_me(path, "qlmail.log");
  standin_append(path, text, (DWORD)strlen(text));
  standin_append(path, "\r\n", 2);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)reserved;
  if (reason == DLL_PROCESS_ATTACH) self = instance;
  return TRUE;
}

ULONG WINAPI MAPILogon(ULONG_PTR ui, LPSTR profile, LPSTR password, FLAGS flags, ULONG reserved,
                       LPLHANDLE session) {
  (void)ui, (void)profile, (void)password, (void)reserved;
  char refuse[MAX_PATH + 32], line[96];
  beside_me(refuse, "qlmail.refuse");
  if (GetFileAttributesA(refuse) != INVALID_FILE_ATTRIBUTES) {
    log_line("logon refused");
    return MAPI_E_LOGIN_FAILURE;
  }
  *session = next_session++;
  snprintf(line, sizeof line, "logon %lu download %d", (unsigned long)*session,
           (flags & MAPI_FORCE_DOWNLOAD) ? 1 : 0);
  log_line(line);
  return SUCCESS_SUCCESS;
}

ULONG WINAPI MAPILogoff(LHANDLE session, ULONG_PTR ui, FLAGS flags, ULONG reserved) {
  (void)ui, (void)flags, (void)reserved;
  char line[64];
  snprintf(line, sizeof line, "logoff %lu", (unsigned long)session);
  log_line(line);
  return SUCCESS_SUCCESS;
}

ULONG WINAPI MAPISendMail(LHANDLE session, ULONG_PTR ui, lpMapiMessage message, FLAGS flags,
                          ULONG reserved) {
  (void)ui, (void)flags, (void)reserved;
  char line[2048];
  ULONG i;
  if (!message || message->nRecipCount == 0) return MAPI_E_INVALID_RECIPS;
  for (i = 0; i < message->nRecipCount; ++i) {
    const char* name = message->lpRecips[i].lpszName;
    if (!name || !*name) {
      log_line("send refused: empty name");
      return MAPI_E_UNKNOWN_RECIPIENT;
    }
  }
  snprintf(line, sizeof line, "send %lu", (unsigned long)session);
  log_line(line);
  for (i = 0; i < message->nRecipCount; ++i) {
    snprintf(line, sizeof line, "to %lu %s", (unsigned long)message->lpRecips[i].ulRecipClass,
             message->lpRecips[i].lpszName);
    log_line(line);
  }
  snprintf(line, sizeof line, "subject %s", message->lpszSubject ? message->lpszSubject : "");
  log_line(line);
  snprintf(line, sizeof line, "note %s", message->lpszNoteText ? message->lpszNoteText : "");
  log_line(line);
  for (i = 0; i < message->nFileCount; ++i) {
    const char* path = message->lpFiles[i].lpszPathName;
    snprintf(line, sizeof line, "attachment %s %s", path ? path : "",
             path && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES ? "present" : "missing");
    log_line(line);
  }
  return SUCCESS_SUCCESS;
}

/* ---- The address book ---- */

static const char* const kAddresses[] = {"lin@example.cn", "wang@example.cn", "zhou@example.cn",
                                         "chen@example.cn"};
enum { kList = 100, kTo = 101, kCc = 102, kBcc = 103, kOk = IDOK, kCancel = IDCANCEL };

struct Book {
  HWND list;
  int done;        /* 1 OK, 2 cancel */
  int types[16];   /* picked address -> 1 To, 2 Cc, 3 Bcc */
  int picks[16];
  int count;
};

static LRESULT CALLBACK Book_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  struct Book* book = (struct Book*)GetWindowLongPtrA(hwnd, GWLP_USERDATA);
  if (msg == WM_NCCREATE) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, (LONG_PTR)((CREATESTRUCTA*)lp)->lpCreateParams);
  } else if (msg == WM_COMMAND && book) {
    const int id = LOWORD(wp);
    if (id == kTo || id == kCc || id == kBcc) {
      const int at = (int)SendMessageA(book->list, LB_GETCURSEL, 0, 0);
      if (at >= 0 && book->count < 16) {
        book->picks[book->count] = at;
        book->types[book->count] = id - kTo + 1;
        ++book->count;
      }
      return 0;
    }
    if (id == kOk) book->done = 1;
    if (id == kCancel) book->done = 2;
    return 0;
  } else if (msg == WM_CLOSE && book) {
    book->done = 2;
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

ULONG WINAPI MAPIAddress(LHANDLE session, ULONG_PTR ui, LPSTR caption, ULONG edit_fields,
                         LPSTR labels, ULONG recip_count, lpMapiRecipDesc recips, FLAGS flags,
                         ULONG reserved, LPULONG new_count, lpMapiRecipDesc* new_recips) {
  (void)caption, (void)labels, (void)recip_count, (void)recips, (void)flags, (void)reserved;
  char line[96];
  struct Book book;
  WNDCLASSA wc;
  HWND window, button;
  MSG m;
  int i;
  static const char* const kButtons[] = {"收件人", "抄送", "密送", "确定", "取消"};
  static const int kIds[] = {kTo, kCc, kBcc, kOk, kCancel};
  snprintf(line, sizeof line, "address %lu fields %lu", (unsigned long)session,
           (unsigned long)edit_fields);
  log_line(line);
  memset(&book, 0, sizeof book);
  memset(&wc, 0, sizeof wc);
  wc.lpfnWndProc = Book_Proc;
  wc.hInstance = self;
  wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
  wc.lpszClassName = "QLMailBook";
  RegisterClassA(&wc);
  window = CreateWindowExA(WS_EX_DLGMODALFRAME, "QLMailBook", "通讯簿",
                           WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 300, 200, 330, 230,
                           (HWND)ui, NULL, self, &book);
  if (!window) return MAPI_E_FAILURE;
  book.list = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL,
                              10, 10, 200, 170, window, (HMENU)(INT_PTR)kList, self, NULL);
  for (i = 0; i < 4; ++i) SendMessageA(book.list, LB_ADDSTRING, 0, (LPARAM)kAddresses[i]);
  SendMessageA(book.list, LB_SETCURSEL, 0, 0);
  for (i = 0; i < 5; ++i) {
    button = CreateWindowExA(0, "BUTTON", kButtons[i], WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                             220, 10 + 34 * i, 90, 28, window, (HMENU)(INT_PTR)kIds[i], self, NULL);
    (void)button;
  }
  if (ui) EnableWindow((HWND)ui, FALSE);
  while (!book.done && GetMessageA(&m, NULL, 0, 0) > 0) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
  if (ui) EnableWindow((HWND)ui, TRUE);
  DestroyWindow(window);
  if (book.done != 1) {
    log_line("address cancelled");
    return MAPI_USER_ABORT;
  }
  {
    /* One block: the descriptors, then the texts they point at. */
    SIZE_T size = sizeof(MapiRecipDesc) * (book.count ? book.count : 1) + 64 * 16;
    char* block = (char*)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size);
    lpMapiRecipDesc out = (lpMapiRecipDesc)block;
    char* text = block + sizeof(MapiRecipDesc) * (book.count ? book.count : 1);
    for (i = 0; i < book.count; ++i) {
      const char* address = kAddresses[book.picks[i]];
      out[i].ulRecipClass = (ULONG)book.types[i];
      strcpy(text, address);
      out[i].lpszName = text;
      out[i].lpszAddress = text;
      text += strlen(address) + 1;
      snprintf(line, sizeof line, "picked %d %s", book.types[i], address);
      log_line(line);
    }
    *new_count = (ULONG)book.count;
    *new_recips = out;
  }
  return SUCCESS_SUCCESS;
}

ULONG WINAPI MAPIFreeBuffer(LPVOID buffer) {
  if (buffer) HeapFree(GetProcessHeap(), 0, buffer);
  return SUCCESS_SUCCESS;
}
