#include <string>
#include <vector>

#include "freetype/free_type_screen.h"
#include "services/bitmaps.h"
#include "services/screen_ids.h"
#include "services/main_window.h"
#include "services/utilities.h"
#include "services/program_folder.h"

namespace quillon {

namespace {

constexpr const char* kMailCaption = "青岚键坊 - 发送邮件";
constexpr const char* kMailNote = "自由录入文档已作该邮件的附件。";

enum class Mail_Button : int { To = 0, Cc = 1, Bcc = 2, Attachment = 3, Send = 4, Cancel = 5 };
enum class Mail_Box : int { To = 0, Cc = 1, Attachment = 2, Subject = 3, Note = 4, Bcc = 5 };

struct Place {
  int left, top, width, height;
};
constexpr Place kButtonPlaces[6] = {{90, 225, 1410, 510},   {90, 960, 1410, 510},
                                    {90, 1695, 1410, 510},  {90, 2430, 1410, 510},
                                    {7755, 4365, 1665, 585}, {7755, 5340, 1665, 585}};
struct Box_Design {
  Mail_Box box;
  Place place;
  const char* tip;
};
constexpr Box_Design kBoxes[6] = {
    {Mail_Box::To, {1740, 285, 7770, 375}, "键入收件人的姓名，用分号或逗号分隔开"},
    {Mail_Box::Cc, {1740, 1020, 7770, 375}, "键入抄送人的姓名，用分号或逗号分隔开"},
    {Mail_Box::Bcc, {1740, 1755, 7770, 375}, "键入密送人的姓名，用分号或逗号分隔开"},
    {Mail_Box::Attachment, {1740, 2490, 7770, 375}, "邮件附件"},
    {Mail_Box::Subject, {1740, 3225, 7770, 375}, "键入该邮件的主题"},
    {Mail_Box::Note, {30, 3705, 7560, 2910}, ""}};

// The window's state while it is loaded.
struct Mail_Window_State {
  bool mail_sent = false;
  bool layout_ready = false;  // the first activation has passed: resizing re-lays the controls
  int loaded_width = 0, loaded_height = 0;
  std::vector<std::pair<forms::Control*, Place>> geometry;
};
Mail_Window_State State;

forms::Mapi_Session& Session() {
  static forms::Mapi_Session session;
  return session;
}
forms::Mapi_Messages& Messages() {
  static forms::Mapi_Messages messages;
  return messages;
}

forms::Rich_Text_Box& Box(Mail_Box b) {
  return Form_SendMail().Get<forms::Rich_Text_Box>("RichText_Name", static_cast<int>(b));
}
forms::Option_Picture& Button(Mail_Button b) {
  return Form_SendMail().Get<forms::Option_Picture>("Option_Click", static_cast<int>(b));
}

void Release(Mail_Button b) { Button(b).Set_Value(false); }
void Focus_To_Box() {
  forms::Silent([] { Box(Mail_Box::To).Set_Focus(); });
}

void Close_Mail_Window() { forms::Unload(Form_SendMail()); }

void Get_Name_From_Message_Note(int index) {
  forms::Silent([] {
    forms::Mapi_Messages& m = Messages();
    m.Address_Edit_Field_Count = 3;
    m.Msg_Index = -1;
    m.Show(false);
    for (const forms::Mapi_Messages::Recipient& r : m.Recipients) {
      Mail_Box target;
      if (r.type == forms::kMapiTo) target = Mail_Box::To;
      else if (r.type == forms::kMapiCc) target = Mail_Box::Cc;
      else if (r.type == forms::kMapiBcc) target = Mail_Box::Bcc;
      else continue;
      forms::Rich_Text_Box& box = Box(target);
      box.Set_Text(Append_Recipient(box.Text(), r.address));
    }
  });
  Release(static_cast<Mail_Button>(index));
}

// Sends one message per entry of a recipient list, each to that entry alone.
void MAPI_Func(const std::string& list) {
  if (list.empty()) return;
  try {
    for (const std::string& name : Get_Receiver_Name(list)) {
      forms::Mapi_Messages& m = Messages();
      m.Msg_Index = -1;
      m.Clear_Recipients();
      m.Current_Recipient().display_name = name;
      m.Current_Recipient().type = forms::kMapiTo;
      m.Msg_Subject = Box(Mail_Box::Subject).Text();
      m.Msg_Note_Text = Box(Mail_Box::Note).Text();
      m.Attachment_Path_Name = Box(Mail_Box::Attachment).Text();
      m.Session_ID = Session().Session_ID();
      m.Send(false);
    }
    Messages().Clear_Recipients();
    State.mail_sent = true;
  } catch (...) {
    Messages().Clear_Recipients();
    forms::Show_Error_Box(forms::Current_Error_Text());
    State.mail_sent = false;
    Release(Mail_Button::Send);
    Focus_To_Box();
  }
}

void Send_Mail(int index) {
  const std::string to = Box(Mail_Box::To).Text(), cc = Box(Mail_Box::Cc).Text(),
                    bcc = Box(Mail_Box::Bcc).Text();
  if (to.empty() && cc.empty() && bcc.empty()) {
    forms::Message_Box(Form_SendMail().Hwnd(), "没有收件人邮件地址！", "No Address", MB_ICONSTOP);
    Release(static_cast<Mail_Button>(index));
    Focus_To_Box();
    return;
  }
  try {
    forms::Mapi_Session& session = Session();
    if (session.Session_ID() != 0) session.Sign_Off();
    session.Download_Mail = false;
    session.Sign_On();
    MAPI_Func(to);
    MAPI_Func(cc);
    MAPI_Func(bcc);
    if (State.mail_sent) Close_Mail_Window();
  } catch (...) {
    forms::Message_Box(Form_SendMail().Hwnd(),
                       std::string("Sorry，您的计算机系统无法遵循 MAPI 协议发送邮件！") + "\r\r" +
                           forms::Current_Error_Text() + "!",
                       "无法发送邮件", MB_ICONSTOP);
    Release(static_cast<Mail_Button>(index));
    Focus_To_Box();
  }
}

void Option_Click_Click(int index) {
  try {
    switch (static_cast<Mail_Button>(index)) {
      case Mail_Button::To:
      case Mail_Button::Cc:
      case Mail_Button::Bcc:
        Get_Name_From_Message_Note(index);
        Release(static_cast<Mail_Button>(index));
        Focus_To_Box();
        break;
      case Mail_Button::Attachment:
        Release(Mail_Button::Attachment);
        Focus_To_Box();
        break;
      case Mail_Button::Send: Send_Mail(index); break;
      case Mail_Button::Cancel: Close_Mail_Window(); break;
    }
  } catch (...) {
    forms::Show_Error_Box(forms::Current_Error_Text());
    forms::Silent([&] { Release(static_cast<Mail_Button>(index)); });
    Focus_To_Box();
  }
}

void Mail_Load() {
  forms::Guarded([] {
    forms::Form& form = Form_SendMail();
    State = Mail_Window_State{};
    for (forms::Control* c : form.Array("Option_Click")) c->Set_Mouse_Icon(forms::Hand_Cursor());
    State.loaded_width = form.Width();
    State.loaded_height = form.Height();
    for (const auto& c : form.Controls())
      if (c->Tag != "not" && !dynamic_cast<forms::Timer*>(c.get()))
        State.geometry.push_back({c.get(), {c->Left(), c->Top(), c->Width(), c->Height()}});
    form.Center();
  });
}

void Mail_Resize() {
  forms::Guarded([] {
    if (!State.layout_ready || State.loaded_width <= 0 || State.loaded_height <= 0) return;
    forms::Form& form = Form_SendMail();
    if (form.Window_State() == 1) return;
    const double xr = static_cast<double>(form.Width()) / State.loaded_width;
    const double yr = static_cast<double>(form.Height()) / State.loaded_height;
    for (auto& [control, p] : State.geometry)
      control->Move(static_cast<int>(p.left * xr), static_cast<int>(p.top * yr),
                    static_cast<int>(p.width * xr), static_cast<int>(p.height * yr));
  });
}

void Mail_Key_Up(int key, int shift) {
  forms::Guarded([&] {
    if (key == 'Y' && shift == kCtrlMask) Send_Mail(static_cast<int>(Mail_Button::Send));
    else if ((key == 'N' && shift == kCtrlMask) || (key == VK_F4 && shift == kAltMask))
      Close_Mail_Window();
  });
}

void Mail_Query_Unload() {
  forms::Guarded([] {
    if (Session().Session_ID() != 0) Session().Sign_Off();
  });
  Activate_Window_By_Caption(kMainCaption);
}

void Design_Mail_Window(forms::Form& form) {
  form.Set_Caption(kMailCaption);
  form.Set_Client_Size(9540, 6660);
  static const char* const pictures[6] = {"mailto", "mailcc", "mailbcc", "mailclip", "mailsend",
                                   "mailcancel"};
  for (int i = 0; i < 6; ++i) {
    auto& button = form.Add<forms::Option_Picture>("Option_Click", i);
    const Place& p = kButtonPlaces[i];
    button.Move(p.left, p.top, p.width, p.height);
    button.On_Click = [i] { Option_Click_Click(i); };
  }
  auto& subject = form.Add<forms::Image>("Image_Subject");
  subject.Move(1095, 3300, 480, 285);
  for (const Box_Design& d : kBoxes) {
    auto& box = form.Add<forms::Rich_Text_Box>("RichText_Name", static_cast<int>(d.box));
    box.Move(d.place.left, d.place.top, d.place.width, d.place.height);
    box.Set_Multi_Line(d.box == Mail_Box::Note);
    box.Set_Font("宋体", d.box == Mail_Box::Note ? 12 : 10.5);
    if (*d.tip) box.Set_Tool_Tip_Text(d.tip);
  }
  for (int i = 0; i < 6; ++i) {  // hidden carriers of the buttons' pictures
    auto& face = form.Add<forms::Image>("Image_Option_Face", i);
    face.Move(0, 0, kButtonPlaces[i].width - 60, kButtonPlaces[i].height - 60);
    face.Set_Visible(false);
    face.Tag = "not";
  }
  // The pictures come from the resource library once the window exists.
  form.On_Load = [&form] {
    for (int i = 0; i < 6; ++i) {
      auto& face = form.Get<forms::Image>("Image_Option_Face", i);
      Load_Resource_Picture_To_Image(face, pictures[i]);
      form.Get<forms::Option_Picture>("Option_Click", i).Set_Picture(face.Get_Picture());
    }
    Load_Resource_Picture_To_Image(form.Get<forms::Image>("Image_Subject"), "mailsubject");
    Mail_Load();
  };
}

}  // namespace

forms::Form& Form_SendMail() {
  static forms::Form* mail = [] {
    auto* f = new forms::Form();
    f->Border = forms::Border_Style::Sizable;
    f->Position = forms::Start_Up_Position::Center_Screen;
    f->Min_Button = true;
    f->Max_Button = true;
    f->Key_Preview = true;
    f->Window_Class = kFormClass;
    f->On_Design = [f] { Design_Mail_Window(*f); };
    f->On_Activate = [] { State.layout_ready = true; };
    f->On_Resize = [] { Mail_Resize(); };
    f->On_Key_Up = [](int& key, int shift) { Mail_Key_Up(key, shift); };
    f->On_Query_Unload = [](int&, int) { Mail_Query_Unload(); };
    return f;
  }();
  return *mail;
}

void Send_Free_Type_Mail() {
  forms::Guarded([] {
    const std::string file = Write_Free_Type_Temp_File(".rtf");
    forms::Form& mail = Form_SendMail();
    Box(Mail_Box::Attachment).Set_Text(file);
    Box(Mail_Box::Note).Set_Text(kMailNote);
    Free_Type_Form().Set_Window_State(1);
    mail.Show();
    Activate_Window_By_Caption(kMailCaption);
  });
}

}  // namespace quillon
