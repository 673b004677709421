#pragma once
// The mail session and message objects over the system's Simple MAPI (mapi32.dll: MAPILogon,
// MAPILogoff, MAPISendMail, MAPIAddress, MAPIFreeBuffer), as the tutor's mail window uses them.
// Session ids are pointer-sized. Failures throw Runtime_Error with the number 32000 plus the
// MAPI error code and its text ("Login has failed", "User cancelled process" ...); a missing
// mail system throws 32002 "Unspecified failure has occurred".

#include <windows.h>

#include <string>
#include <vector>

namespace forms {

class Mapi_Session {
 public:
  ~Mapi_Session();
  bool Download_Mail = true;
  ULONG_PTR Session_ID() const { return session_; }
  void Sign_On();   // a new session (signing on while signed on keeps the old one)
  void Sign_Off();  // nothing when not signed on

 private:
  ULONG_PTR session_ = 0;
};

// Recipient types.
constexpr int kMapiTo = 1, kMapiCc = 2, kMapiBcc = 3;

class Mapi_Messages {
 public:
  struct Recipient {
    int type = kMapiTo;
    std::string display_name, address;
  };
  ULONG_PTR Session_ID = 0;
  int Address_Edit_Field_Count = 1;
  int Msg_Index = -1;  // -1: the compose buffer
  std::string Msg_Subject, Msg_Note_Text, Attachment_Path_Name;

  // The compose buffer's recipients; Recip_Index chooses the current one.
  std::vector<Recipient> Recipients;
  int Recip_Index = 0;
  int Recip_Count() const { return static_cast<int>(Recipients.size()); }
  // The current recipient (created when the buffer holds none).
  Recipient& Current_Recipient();
  // Clears the compose buffer's recipients.
  void Clear_Recipients() { Recipients.clear(), Recip_Index = 0; }

  // The address book (dialog false: the system's book window) on the compose buffer; the
  // recipients the user picked replace the buffer's.
  void Show(bool details = false);
  // Sends the compose buffer (without a dialog).
  void Send(bool dialog = false);
};

}  // namespace forms
