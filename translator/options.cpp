#include "options.h"

TransOptions g_TransOptions;

const char kOptionSection[] = "Option";

namespace {

// Hot keys: the modifier mask (Alt 1, Ctrl 2, Shift 4) in the high word, the key in the low.
constexpr int kCtrl = 2 << 16;
constexpr int kShift = 4 << 16;

struct Int_Option {
  const char* name;
  int TransOptions::*field;
  int defaultValue;
};

// Load order, with defaults.
const Int_Option kLoadOrder[] = {
    {"UseDictionary", &TransOptions::UseDictionary, 0},
    {"UseSystemFont", &TransOptions::UseSystemFont, 0},
    {"AutoHideBar", &TransOptions::AutoHideBar, 0},
    {"CurrentCode", &TransOptions::CurrentCode, -1},
    {"ProfDictID", &TransOptions::ProfDictID, -1},
    {"TransHotkey", &TransOptions::TransHotkey, kCtrl | VK_F9},
    {"RestoreEnglishHotkey", &TransOptions::RestoreEnglishHotkey, kCtrl | VK_F10},
    {"InterfaceHotkey", &TransOptions::InterfaceHotkey, kCtrl | VK_F11},
    {"DictHotkey", &TransOptions::DictHotkey, kCtrl | kShift | VK_F1},
    {"PackageHotkey", &TransOptions::PackageHotkey, kCtrl | VK_F8},
    {"BackgroundImageID", &TransOptions::BackgroundImageID, 129},
    {"UseDFKC", &TransOptions::UseDFKC, 0},
    {nullptr, nullptr, 0},  // DFKCPath, a string
    {"UseUserDict", &TransOptions::UseUserDict, 0},
    {"UseChnEngMenu", &TransOptions::UseChnEngMenu, 0},
    {"InterfaceType", &TransOptions::InterfaceType, 0},
    {"UseGameTrans", &TransOptions::UseGameTrans, 1},
    {"InterfaceStyle", &TransOptions::InterfaceStyle, 0},
    {"ShowNavBar", &TransOptions::ShowNavBar, 0},
};

// Save order.
const Int_Option kSaveOrder[] = {
    {"ProfDictID", &TransOptions::ProfDictID, 0},
    {"UseDictionary", &TransOptions::UseDictionary, 0},
    {"CurrentCode", &TransOptions::CurrentCode, 0},
    {"UseSystemFont", &TransOptions::UseSystemFont, 0},
    {"AutoHideBar", &TransOptions::AutoHideBar, 0},
    {"DictHotkey", &TransOptions::DictHotkey, 0},
    {"TransHotkey", &TransOptions::TransHotkey, 0},
    {"InterfaceHotkey", &TransOptions::InterfaceHotkey, 0},
    {"RestoreEnglishHotkey", &TransOptions::RestoreEnglishHotkey, 0},
    {"PackageHotkey", &TransOptions::PackageHotkey, 0},
    {"BackgroundImageID", &TransOptions::BackgroundImageID, 0},
    {"UseDFKC", &TransOptions::UseDFKC, 0},
    {nullptr, nullptr, 0},  // DFKCPath, a string
    {"UseUserDict", &TransOptions::UseUserDict, 0},
    {"UseChnEngMenu", &TransOptions::UseChnEngMenu, 0},
    {"InterfaceType", &TransOptions::InterfaceType, 0},
    {"UseGameTrans", &TransOptions::UseGameTrans, 0},
    {"InterfaceStyle", &TransOptions::InterfaceStyle, 0},
    {"ShowNavBar", &TransOptions::ShowNavBar, 0},
};

const char kDFKCPath[] = "DFKCPath";

}  // namespace

void Load_Trans_Options(appfw::CWinApp& app, TransOptions& options) {
  for (const Int_Option& o : kLoadOrder) {
    if (!o.name) {
      options.DFKCPath = app.GetProfileString(kOptionSection, kDFKCPath, "");
    } else {
      options.*o.field = app.GetProfileInt(kOptionSection, o.name, o.defaultValue);
    }
  }
}

void Save_Trans_Options(appfw::CWinApp& app, const TransOptions& options) {
  for (const Int_Option& o : kSaveOrder) {
    if (!o.name) {
      app.WriteProfileString(kOptionSection, kDFKCPath, options.DFKCPath);
    } else {
      app.WriteProfileInt(kOptionSection, o.name, options.*o.field);
    }
  }
}
