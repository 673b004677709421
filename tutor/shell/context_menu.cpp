#include "shell/context_menu.h"

#include "services/globals.h"
#include "shell/commands.h"
#include "shell/main_form.h"

namespace quillon {

namespace {

// An item: the function-bar command it runs first (if any), then the menu item (if any).
struct Context_Item {
  const char* parent;     // the sub-menu it is on ("" for the top)
  const char* name;
  int index;
  const char* caption;
  const char* shortcut;
  bool bar_command;
  Function_Button button;
  Menu menu;              // Menu::None: no item procedure
  int item;
};

using B = Function_Button;
constexpr Context_Item kItems[] = {
    {"", "Menu_Minimized_Show", -1, "最小化", "Ctrl+M", true, B::Minimise, Menu::None, 0},
    {"", "Menu_mySet", -1, "我的设置", "", false, B::English_Type, Menu::None, 0},
    {"Menu_mySet", "Menu_Function_Set", -1, "功能设置", "Ctrl+F", true, B::Function_Settings,
     Menu::None, 0},
    {"Menu_mySet", "Menu_System_Set", -1, "系统设置", "Ctrl+T", false, B::English_Type,
     Menu::Other_Function, Number(Other_Function_Item::System_Settings)},
    {"", "Menu_English_Type_Top", -1, "英文打字", "", false, B::English_Type, Menu::None, 0},
    {"Menu_English_Type_Top", "Menu_English_Type", 0, "键位练习", "", true, B::English_Type,
     Menu::English_Type, 0},
    {"Menu_English_Type_Top", "Menu_English_Type", 1, "单词练习", "", true, B::English_Type,
     Menu::English_Type, 1},
    {"Menu_English_Type_Top", "Menu_English_Type", 2, "文章练习", "", true, B::English_Type,
     Menu::English_Type, 2},
    {"Menu_English_Type_Top", "Menu_English_Type", 3, "听打练习", "", true, B::English_Type,
     Menu::English_Type, 3},
    {"", "Menu_Chinese_Type_Top", -1, "中文打字", "", false, B::English_Type, Menu::None, 0},
    {"Menu_Chinese_Type_Top", "Menu_Chinese_Type", 0, "五笔练习", "", true, B::Chinese_Type,
     Menu::Chinese_Type, 0},
    {"Menu_Chinese_Type_Top", "Menu_Chinese_Type", 1, "拼音练习", "", true, B::Chinese_Type,
     Menu::Chinese_Type, 1},
    {"Menu_Chinese_Type_Top", "Menu_Chinese_Type", 2, "听打练习", "", true, B::Chinese_Type,
     Menu::Chinese_Type, 2},
    {"", "Menu_Free_Type", -1, "自由录入", "", true, B::Free_Type, Menu::None, 0},
    {"", "Menu_Game_Top", -1, "打字游戏", "", false, B::English_Type, Menu::None, 0},
    {"Menu_Game_Top", "Menu_Game", 0, "警察抓小偷", "", true, B::Game, Menu::Game, 0},
    {"Menu_Game_Top", "Menu_Game", 1, "吃苹果", "", true, B::Game, Menu::Game, 1},
    {"Menu_Game_Top", "Menu_Game", 2, "打地鼠", "", true, B::Game, Menu::Game, 2},
    {"Menu_Game_Top", "Menu_Game", 3, "青蛙过河", "", true, B::Game, Menu::Game, 3},
    {"", "Menu_Speed_Test_Top", -1, "速度测试", "", false, B::English_Type, Menu::None, 0},
    {"Menu_Speed_Test_Top", "Menu_Speed_Test", 0, "外部测试", "", true, B::Speed_Test,
     Menu::Speed_Test, 0},
    {"Menu_Speed_Test_Top", "Menu_Speed_Test", 1, "内部测试", "", true, B::Speed_Test,
     Menu::Speed_Test, 1},
    {"", "Menu_Other_Function", -1, "其它功能", "", false, B::English_Type, Menu::None, 0},
    {"Menu_Other_Function", "Menu_User_Record", -1, "用户记录", "Ctrl+R", true,
     B::Other_Functions, Menu::Other_Function, Number(Other_Function_Item::Records)},
    {"Menu_Other_Function", "Menu_Teacher", -1, "打字教程", "Ctrl+F1", false, B::English_Type,
     Menu::Other_Function, Number(Other_Function_Item::Tutorial)},
    {"Menu_Other_Function", "Menu_Help", -1, "系统帮助", "F1", true, B::Help, Menu::None, 0},
    {"", "Menu_End", -1, "退出", "Ctrl+Q", true, B::Exit, Menu::None, 0},
};

void Run_Item(const Context_Item& item) {
  if (Panel_Moving) return;  // a choice made during a slide is dropped
  forms::Form& form = Form_Quillon();
  if (item.button == B::Exit) {
    Do_Function_Module(form, B::Exit);
    return;
  }
  Raised direct(Direct_Command);
  if (item.bar_command) Do_Function_Module(form, item.button);
  if (item.menu != Menu::None) Do_Menu_Item(form, item.menu, item.item);
}

void Build_Menu(forms::Menu_Item& top) {
  for (const Context_Item& item : kItems) {
    forms::Menu_Item* parent = *item.parent ? top.Find(item.parent) : &top;
    forms::Menu_Item& added = parent->Add(item.name, item.caption, item.shortcut, item.index);
    const bool opens_sub_menu = !item.bar_command && item.menu == Menu::None;
    if (!opens_sub_menu) added.On_Click = [&item] { Run_Item(item); };
  }
}

}  // namespace

forms::Menu_Item& myPopupMenu() {
  static forms::Menu_Item* menu = [] {
    auto* m = new forms::Menu_Item("myPopupMenu", "", "", -1);
    Build_Menu(*m);
    return m;
  }();
  return *menu;
}

forms::Form& Form_PopupMenu() {
  static forms::Form* holder = [] {
    auto* f = new forms::Form();
    f->Border = forms::Border_Style::None;
    f->Show_In_Taskbar = false;
    f->On_Design = [f] { f->Set_Caption("右键菜单 (PopupMenu)"); };
    return f;
  }();
  return *holder;
}

void Show_Context_Menu(forms::Form& form) {
  forms::Guarded([&] {
    Form_PopupMenu().Load();
    forms::Popup_Menu(form, myPopupMenu(), TPM_RIGHTBUTTON);
  });
}

}  // namespace quillon
