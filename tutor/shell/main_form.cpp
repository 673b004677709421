#include "shell/main_form.h"

#include "services/article_boxes.h"
#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/screens.h"
#include "services/sounds.h"
#include "services/main_commands.h"
#include "shell/command_tables.h"
#include "shell/context_menu.h"
#include "shell/pointer_events.h"
#include "shell/commands.h"
#include "shell/function_bar.h"
#include "shell/key_routing.h"
#include "shell/skin.h"
#include "shell/standins.h"
#include "shell/startup.h"

namespace quillon {

std::string Command_Line_Text;

namespace {

struct Rect {
  int left, top, width, height;
};

// Function-bar buttons.
const Rect kFunctionButtons[11] = {
    {1575, 630, 405, 540}, {2940, 630, 405, 540}, {4230, 630, 405, 540}, {5535, 630, 405, 540},
    {6945, 630, 405, 540}, {8310, 630, 405, 540}, {180, 705, 600, 615},  {6525, 60, 420, 525},
    {7170, 90, 510, 480},  {7875, 75, 510, 480},  {8475, 75, 510, 480}};
const char* const kFunctionTips[11] = {"", "", "", "", "", "", "功能设置", "系统帮助",
                                       "关于青岚键坊", "最小化", "退出系统"};

// Drop-down menus: outer box, inner size, item array, item left, item tops, item size.
struct Menu_Design {
  Rect outer;
  int inner_width, inner_height;
  const char* items;
  int item_left;
  int tops[5];
  int count;
  int item_width, item_height;
};
const Menu_Design kMenus[5] = {
    {{1140, 1590, 1305, 1980}, 1305, 1980, "Image_English_Type", 120, {30, 480, 930, 1380}, 4, 1050, 405},
    {{2475, 1590, 1305, 1515}, 1380, 1515, "Image_Chinese_Type", 120, {45, 495, 945}, 3, 1050, 390},
    {{5145, 1590, 1320, 1980}, 1320, 1980, "Image_Game", 135, {30, 495, 930, 1380}, 4, 1050, 405},
    {{6510, 1590, 1320, 1080}, 1320, 1080, "Image_Speed_Test", 150, {45, 495}, 2, 1035, 390},
    {{7860, 1590, 1320, 2430}, 1320, 2430, "Image_Other_Function", 135, {45, 495, 945, 1395, 1845}, 5, 1050, 390},
};

// Panels Picture_BG(0..11): width and height.
const int kPanelSizes[kPanelCount][2] = {
    {9465, 5535}, {9435, 5595}, {9450, 5640}, {9465, 5580}, {9435, 5565}, {9465, 5565},
    {9435, 5595}, {9435, 5595}, {9435, 5595}, {9465, 5535}, {9465, 5535}, {9465, 5535}};

// Timers of the main window: name, interval in milliseconds (all disabled at design).
const std::pair<const char*, int> kTimers[] = {
    {"Timer_Check", 10},           {"Timer_Move_Picture", 200},    {"Timer_Free_Type", 1000},
    {"Timer_Game_Police", 500},    {"Timer_Game_Pig_Control", 1000}, {"Timer_Game_Pig_Move", 1},
    {"Timer_Game_Mouse_Control", 1000}, {"Timer_Game_Mouse_Show", 1},
    {"Timer_Check_System_Focus", 300}};

void Menu_Item_Clicked(int menu, int item) {
  Do_Menu_Item(Form_Quillon(), static_cast<Menu>(menu), item);
}

// Pointer moves over the surfaces between the buttons: the leave reset.
void Surface_Mouse_Move(int, int, int, int) { Main_Surface_Mouse_Move(Form_Quillon()); }

void Design_Main_Form(forms::Form& form) {
  form.Set_Caption(kMainCaption);
  form.Set_Client_Size(kMainClientWidth, kMainClientHeight);

  auto& background = form.Add<forms::Picture_Box>("Picture_Background");
  background.Move(0, 0, 9600, 7155);
  background.On_Mouse_Move = Surface_Mouse_Move;
  background.On_Mouse_Down = [](int button, int, int, int) {
    Background_Mouse_Down(Form_Quillon(), button);
  };

  auto& cover = form.Add<forms::Image>("Image_Main_Form_Up", -1, &background);
  cover.Move(1200, 0, 5250, 585);
  cover.Set_Visible(false);
  cover.On_Mouse_Move = Surface_Mouse_Move;
  auto& link = form.Add<forms::Picture_Box>("Picture_LarkmoorNet", -1, &background);
  link.Move(2160, 165, 2250, 375);
  link.Set_Tool_Tip_Text("去青岚公司网站看看，会有意外收获哦!");
  link.On_Mouse_Down = [](int, int, int, int) { Close_PopMenu(Form_Quillon()); };
  link.On_Mouse_Move = [](int, int, int x, int y) { Link_Mouse_Move(Form_Quillon(), x, y); };
  link.On_Mouse_Up = [&link](int button, int, int x, int y) {
    if ((button == forms::kLeftButton || button == forms::kRightButton) &&
        Pointer_Over(x, y, link.Width(), link.Height()))
      Open_Link(Form_Quillon(), kMakerWebSite);
  };
  auto& bazaro = form.Add<forms::Image>("Image_Bazaro", -1, &background);
  bazaro.Move(285, 120, 810, 405);
  bazaro.Set_Tool_Tip_Text("八宝罗网上商城：键盘、书本、好礼，一站买齐");
  bazaro.On_Mouse_Up = [&bazaro](int button, int, int x, int y) {
    if ((button == forms::kLeftButton || button == forms::kRightButton) && x >= 0 && y >= 0 &&
        x < bazaro.Width() && y < bazaro.Height())
      Open_Link(Form_Quillon(), kBazaroWebSite);
  };

  for (int i = 0; i < 11; ++i) {
    auto& button = form.Add<forms::Image>("Image_Function_Module", i, &background);
    const Rect& r = kFunctionButtons[i];
    button.Move(r.left, r.top, r.width, r.height);
    if (*kFunctionTips[i]) button.Set_Tool_Tip_Text(kFunctionTips[i]);
    button.On_Click = [i] { Do_Function_Module(Form_Quillon(), i); };
    button.On_Mouse_Move = [i](int, int, int, int) { Show_Function_Module_Hover(Form_Quillon(), i); };
  }

  // The exercise panels, hidden until a screen is opened.
  for (int i = 0; i < kPanelCount; ++i) {
    auto& panel = form.Add<forms::Picture_Box>("Picture_BG", i, &background);
    panel.Move(0, kPanelTop, kPanelSizes[i][0], kPanelSizes[i][1]);
    panel.Set_Visible(false);
    panel.On_Mouse_Move = [i](int, int, int, int) { Panel_Mouse_Move(Form_Quillon(), i); };
    panel.On_Mouse_Down = [](int button, int, int, int) {
      Panel_Mouse_Down(Form_Quillon(), button);
    };
  }
  auto& articles = form.Get<forms::Picture_Box>("Picture_BG", Number(Panel_Id::Article));
  // Both article panels are bare surfaces (the overwrite layout's too: its pointer moves run the
  // leave reset like its sister's).
  for (const char* name : {"Picture_Article_BG_1", "Picture_Article_BG_2"}) {
    auto& article = form.Add<forms::Picture_Box>(name, -1, &articles);
    article.Move(0, 0, 9435, 5595);
    article.On_Mouse_Move = Surface_Mouse_Move;
    article.On_Mouse_Down = [](int button, int, int, int) {
      Surface_Mouse_Down(Form_Quillon(), button);
    };
  }
  form.Get<forms::Picture_Box>("Picture_Article_BG_2").Set_Visible(false);

  // The drop-down menus over the practice area.
  for (int m = 0; m < 5; ++m) {
    const Menu_Design& d = kMenus[m];
    auto& outer = form.Add<forms::Picture_Box>("Picture_BG_PopMenu_BG", m, &background);
    outer.Move(d.outer.left, d.outer.top, d.outer.width, d.outer.height);
    outer.Set_Visible(false);
    auto& inner = form.Add<forms::Picture_Box>("Picture_BG_PopMenu", m, &outer);
    inner.Move(0, 0, d.inner_width, d.inner_height);
    for (int i = 0; i < d.count; ++i) {
      auto& item = form.Add<forms::Image>(d.items, i, &inner);
      item.Move(d.item_left, d.tops[i], d.item_width, d.item_height);
      item.On_Click = [m, i] { Menu_Item_Clicked(m, i); };
      item.On_Mouse_Move = [m, i](int, int, int, int) {
        Show_PopMenu_Item_Hover(Form_Quillon(), m, i);
      };
    }
  }
  form.Get<forms::Image>("Image_Speed_Test", 0).Set_Tool_Tip_Text("对照电脑外的原稿测试");
  form.Get<forms::Image>("Image_Speed_Test", 1).Set_Tool_Tip_Text("对照电脑内的电子文档测试");

  auto& temp = form.Add<forms::Picture_Box>("Picture_Temp", -1, &background);
  temp.Move(0, 0, 600, 600);
  temp.Set_Visible(false);

  for (const auto& [name, interval] : kTimers) form.Add_Timer(name, interval, false);
  form.Get_Timer("Timer_Check").On_Timer = [] { Timer_Check_Timer(); };
  form.Get_Timer("Timer_Move_Picture").On_Timer = [] { Timer_Move_Picture_Timer(); };
  form.Get_Timer("Timer_Check_System_Focus").On_Timer = [] {
    Timer_Check_System_Focus_Timer(Form_Quillon());
  };

  auto& media = form.Add<forms::Media_Control>("MMControl_Play_Record");
  media.Tag = "not";
  Design_Article_Typing_Boxes(form);

  for (const Screen& screen : Screens()) Call(screen.design, form);
}

}  // namespace

forms::Form& Form_Quillon() {
  static forms::Form* main = [] {
    auto* f = new forms::Form();
    Set_Main_Window(*f, {Main_Surface_Mouse_Move, Close_PopMenu, Show_Context_Menu});
    Main_Commands commands;
    commands.function_module = [](forms::Form& form, Function_Button button) {
      Do_Function_Module(form, button);
    };
    commands.menu_item = [](forms::Form& form, Menu menu, int item) {
      Do_Menu_Item(form, menu, item);
    };
    Set_Main_Commands(commands);
    f->Border = forms::Border_Style::None;
    f->Position = forms::Start_Up_Position::Center_Screen;
    f->Key_Preview = true;
    f->Window_Class = kFormClass;
    f->On_Initialize = [] { Form_Quillon_Initialize(); };
    f->On_Design = [f] { Design_Main_Form(*f); };
    f->On_Load = [] { Form_Quillon_Load(); };
    f->On_Activate = [] { Form_Quillon_Activate(); };
    f->On_Query_Unload = [f](int& cancel, int) {
      // The window closes only through the program's exit, which ends the program.
      cancel = 1;
      Do_Function_Module(*f, Function_Button::Exit);
    };
    f->On_Key_Down = [f](int& key, int shift) {
      Form_KeyDown(*f, key, shift);
      // Alt+F4 is the tutor's own exit command: the window's close must not run it twice.
      if (key == VK_F4 && shift == kAltMask) key = 0;
    };
    f->On_Key_Press = [f](int& ascii) { Form_KeyPress(*f, ascii); };
    f->On_Key_Up = [f](int& key, int shift) { Form_KeyUp(*f, key, shift); };
    return f;
  }();
  return *main;
}

forms::Form& Form_Flash() {
  static forms::Form* flash = [] {
    auto* f = new forms::Form();
    f->Border = forms::Border_Style::None;
    f->Position = forms::Start_Up_Position::Center_Screen;
    f->Key_Preview = true;
    f->Window_Class = kFormClass;
    f->On_Design = [f] {
      f->Set_Caption("闪屏");
      f->Set_Client_Size(kFlashClientWidth, kFlashClientHeight);
      auto& owner = f->Add<forms::Label>("Label_User_Name");
      owner.Move(3900, 2850, 2430, 255);
      owner.Set_Font("宋体", 10.5);
      auto& company = f->Add<forms::Label>("Label_Company_Name");
      company.Move(3900, 3045, 2400, 210);
      company.Set_Font("宋体", 10.5);
    };
    return f;
  }();
  return *flash;
}

void Form_Quillon_Initialize() { Initialize_Global_Variant(); }

void Form_Quillon_Load() {
  forms::Form& form = Form_Quillon();
  forms::Guarded([&] {
    if (Scale_Factor != 1.0f) Scale_Form(form, Scale_Factor);
    Set_System_Menu(form);
    Load_Main_Form_Picture_and_Mouse_Icon(form);
    Switch_To_English_Layout();
    auto& media = form.Get<forms::Media_Control>("MMControl_Play_Record");
    media.Notify = false;
    media.Wait = true;
    media.Shareable = false;
    media.Set_Device_Type("WaveAudio");
    Play_Music(BG_Music_File);
    if (Command_Line_Text == "/?" || Command_Line_Text == "/H" || Command_Line_Text == "/h")
      Do_Function_Module(form, Function_Button::Help);
  });
}

void Form_Quillon_Activate() {
  forms::Form& form = Form_Quillon();
  forms::Guarded([&] {
    if (Form_Flash().Loaded()) forms::Unload(Form_Flash());
    Set_Active_Hot_Key(form);
    Main_Timer("Timer_Check_System_Focus").Set_Enabled(true);
  });
}

void Timer_Check_Timer() { Dispatch_Timer_Check(Form_Quillon()); }
void Timer_Move_Picture_Timer() { Dispatch_Timer_Move_Picture(Form_Quillon()); }

}  // namespace quillon
