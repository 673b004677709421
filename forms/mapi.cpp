#include "forms/mapi.h"

#include <mapi.h>

#include "forms/errors.h"

namespace forms {

namespace {

struct Simple_Mapi {
  HMODULE module = nullptr;
  LPMAPILOGON logon = nullptr;
  LPMAPILOGOFF logoff = nullptr;
  LPMAPISENDMAIL send = nullptr;
  LPMAPIADDRESS address = nullptr;
  LPMAPIFREEBUFFER free_buffer = nullptr;
};

const Simple_Mapi& Mapi() {
  static Simple_Mapi mapi = [] {
    Simple_Mapi m;
    m.module = LoadLibraryA("mapi32.dll");
    if (!m.module) return m;
    m.logon = reinterpret_cast<LPMAPILOGON>(GetProcAddress(m.module, "MAPILogon"));
    m.logoff = reinterpret_cast<LPMAPILOGOFF>(GetProcAddress(m.module, "MAPILogoff"));
    m.send = reinterpret_cast<LPMAPISENDMAIL>(GetProcAddress(m.module, "MAPISendMail"));
    m.address = reinterpret_cast<LPMAPIADDRESS>(GetProcAddress(m.module, "MAPIAddress"));
    m.free_buffer = reinterpret_cast<LPMAPIFREEBUFFER>(GetProcAddress(m.module, "MAPIFreeBuffer"));
    return m;
  }();
  return mapi;
}

[[noreturn]] void Fail(ULONG code) {
  const char* text = "Unspecified failure has occurred";
  switch (code) {
    case MAPI_USER_ABORT: text = "User cancelled process"; break;
    case MAPI_E_LOGIN_FAILURE: text = "Login has failed"; break;
    case MAPI_E_INSUFFICIENT_MEMORY: text = "Insufficient memory to proceed"; break;
    case MAPI_E_TOO_MANY_SESSIONS: text = "Too many sessions open simultaneously"; break;
    case MAPI_E_ATTACHMENT_NOT_FOUND: text = "Attachment not found"; break;
    case MAPI_E_ATTACHMENT_OPEN_FAILURE: text = "Attachment open failure"; break;
    case MAPI_E_UNKNOWN_RECIPIENT: text = "Unknown recipient"; break;
    case MAPI_E_AMBIGUOUS_RECIPIENT: text = "Ambiguous recipient"; break;
    case MAPI_E_INVALID_SESSION: text = "Invalid session"; break;
    case MAPI_E_INVALID_RECIPS: text = "Invalid recipients"; break;
    case MAPI_E_NOT_SUPPORTED: text = "Not supported by messaging system"; break;
    default: break;
  }
  throw Runtime_Error(32000 + static_cast<int>(code), text);
}

const Simple_Mapi& Need(bool has) {
  if (!has) Fail(MAPI_E_FAILURE);
  return Mapi();
}

}  // namespace

Mapi_Session::~Mapi_Session() {
  if (session_ && Mapi().logoff) Mapi().logoff(session_, 0, 0, 0);
}

void Mapi_Session::Sign_On() {
  const Simple_Mapi& m = Need(Mapi().logon != nullptr);
  if (session_) return;
  LHANDLE session = 0;
  const FLAGS flags = MAPI_LOGON_UI | (Download_Mail ? MAPI_FORCE_DOWNLOAD : 0);
  const ULONG rc = m.logon(0, nullptr, nullptr, flags, 0, &session);
  if (rc != SUCCESS_SUCCESS) Fail(rc);
  session_ = session;
}

void Mapi_Session::Sign_Off() {
  if (!session_) return;
  const ULONG_PTR session = session_;
  session_ = 0;
  if (Mapi().logoff) {
    const ULONG rc = Mapi().logoff(session, 0, 0, 0);
    if (rc != SUCCESS_SUCCESS) Fail(rc);
  }
}

Mapi_Messages::Recipient& Mapi_Messages::Current_Recipient() {
  if (Recipients.empty()) Recipients.push_back({});
  if (Recip_Index < 0 || Recip_Index >= Recip_Count()) Recip_Index = 0;
  return Recipients[static_cast<size_t>(Recip_Index)];
}

void Mapi_Messages::Show(bool) {
  const Simple_Mapi& m = Need(Mapi().address != nullptr);
  std::vector<MapiRecipDesc> in(Recipients.size());
  for (size_t i = 0; i < Recipients.size(); ++i) {
    in[i].ulRecipClass = static_cast<ULONG>(Recipients[i].type);
    in[i].lpszName = const_cast<char*>(Recipients[i].display_name.c_str());
    in[i].lpszAddress = const_cast<char*>(Recipients[i].address.c_str());
  }
  ULONG count = 0;
  lpMapiRecipDesc out = nullptr;
  const ULONG rc = m.address(Session_ID, 0, nullptr, static_cast<ULONG>(Address_Edit_Field_Count),
                             nullptr, static_cast<ULONG>(in.size()), in.empty() ? nullptr : in.data(),
                             0, 0, &count, &out);
  if (rc != SUCCESS_SUCCESS) Fail(rc);
  Recipients.clear();
  for (ULONG i = 0; i < count; ++i) {
    Recipient r;
    r.type = static_cast<int>(out[i].ulRecipClass);
    r.display_name = out[i].lpszName ? out[i].lpszName : "";
    r.address = out[i].lpszAddress ? out[i].lpszAddress : "";
    Recipients.push_back(r);
  }
  if (out && m.free_buffer) m.free_buffer(out);
  Recip_Index = 0;
}

void Mapi_Messages::Send(bool dialog) {
  const Simple_Mapi& m = Need(Mapi().send != nullptr);
  std::vector<MapiRecipDesc> recips(Recipients.size());
  for (size_t i = 0; i < Recipients.size(); ++i) {
    recips[i].ulRecipClass = static_cast<ULONG>(Recipients[i].type);
    recips[i].lpszName = const_cast<char*>(Recipients[i].display_name.c_str());
    if (!Recipients[i].address.empty())
      recips[i].lpszAddress = const_cast<char*>(Recipients[i].address.c_str());
  }
  MapiFileDesc file{};
  file.nPosition = static_cast<ULONG>(-1);
  file.lpszPathName = const_cast<char*>(Attachment_Path_Name.c_str());
  MapiMessage message{};
  message.lpszSubject = const_cast<char*>(Msg_Subject.c_str());
  message.lpszNoteText = const_cast<char*>(Msg_Note_Text.c_str());
  message.nRecipCount = static_cast<ULONG>(recips.size());
  message.lpRecips = recips.empty() ? nullptr : recips.data();
  if (!Attachment_Path_Name.empty()) {
    message.nFileCount = 1;
    message.lpFiles = &file;
  }
  const ULONG rc = m.send(Session_ID, 0, &message, dialog ? MAPI_DIALOG : 0, 0);
  if (rc != SUCCESS_SUCCESS) Fail(rc);
}

}  // namespace forms
