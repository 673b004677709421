#include "options.h"

#include <string_view>

TransOptions g_TransOptions;

const char kOptionSection[] = "Option";

namespace {

// What a stored value may be. A value outside its kind reads as the option's default, so that
// a damaged or hand-edited value never stops the program from starting, and the default is
// what exit writes back in its place.
enum class Kind {
  Flag,         // 0 or 1
  Text_Code,    // 1 GB, 0 Big5, 256 automatic, -1 no conversion
  Record,       // an index, or -1 for none
  Hot_Key,      // a virtual-key code in the low word, modifier bits in the high word, or 0
  Background,   // one of the two bar backgrounds
  Style,        // 0 compact bar, 1 shaped bar
};

struct Int_Option {
  const char* name;
  int TransOptions::*field;
  int defaultValue;
  Kind kind;
};

// Load order, with defaults.
const Int_Option kLoadOrder[] = {
    {"UseDictionary", &TransOptions::UseDictionary, 0, Kind::Flag},
    {"UseSystemFont", &TransOptions::UseSystemFont, 0, Kind::Flag},
    {"AutoHideBar", &TransOptions::AutoHideBar, 0, Kind::Flag},
    {"CurrentCode", &TransOptions::CurrentCode, -1, Kind::Text_Code},
    {"ProfDictID", &TransOptions::ProfDictID, -1, Kind::Record},
    {"TransHotkey", &TransOptions::TransHotkey, kDefaultTransHotkey, Kind::Hot_Key},
    {"RestoreEnglishHotkey", &TransOptions::RestoreEnglishHotkey, kDefaultRestoreEnglishHotkey,
     Kind::Hot_Key},
    {"InterfaceHotkey", &TransOptions::InterfaceHotkey, kDefaultInterfaceHotkey, Kind::Hot_Key},
    {"DictHotkey", &TransOptions::DictHotkey, kDefaultDictHotkey, Kind::Hot_Key},
    {"PackageHotkey", &TransOptions::PackageHotkey, kDefaultPackageHotkey, Kind::Hot_Key},
    {"BackgroundImageID", &TransOptions::BackgroundImageID, kCompactBarBackground,
     Kind::Background},
    {"UseDFKC", &TransOptions::UseDFKC, 0, Kind::Flag},
    {nullptr, nullptr, 0, Kind::Flag},  // DFKCPath, a string
    {"UseUserDict", &TransOptions::UseUserDict, 0, Kind::Flag},
    {"UseChnEngMenu", &TransOptions::UseChnEngMenu, 0, Kind::Flag},
    {"InterfaceType", &TransOptions::InterfaceType, 0, Kind::Flag},
    {"UseGameTrans", &TransOptions::UseGameTrans, 1, Kind::Flag},
    {"InterfaceStyle", &TransOptions::InterfaceStyle, kCompactBarStyle, Kind::Style},
    {"ShowNavBar", &TransOptions::ShowNavBar, 0, Kind::Flag},
};

// Save order.
const char* const kSaveOrder[] = {
    "ProfDictID",      "UseDictionary", "CurrentCode",          "UseSystemFont",
    "AutoHideBar",     "DictHotkey",    "TransHotkey",          "InterfaceHotkey",
    "RestoreEnglishHotkey", "PackageHotkey", "BackgroundImageID", "UseDFKC",
    nullptr,  // DFKCPath, a string
    "UseUserDict",     "UseChnEngMenu", "InterfaceType",        "UseGameTrans",
    "InterfaceStyle",  "ShowNavBar",
};

const char kDFKCPath[] = "DFKCPath";
// A folder name, as long as a path may be.
constexpr size_t kMaxFolderLength = MAX_PATH - 1;

bool Fits(Kind kind, int value) {
  switch (kind) {
    case Kind::Flag:
      return value == 0 || value == 1;
    case Kind::Text_Code:
      return value == 1 || value == 0 || value == 256 || value == -1;
    case Kind::Record:
      return value >= -1;
    case Kind::Hot_Key: {
      // The hot-key control keeps its extended-key bit (8) beside Alt, Ctrl and Shift.
      unsigned v = static_cast<unsigned>(value);
      return HIWORD(v) <= 0xF && HIBYTE(LOWORD(v)) == 0;
    }
    case Kind::Background:
      return value == kCompactBarBackground || value == kShapedBarBackground;
    case Kind::Style:
      return value == kCompactBarStyle || value == kShapedBarStyle;
  }
  return false;
}

const Int_Option* Find(const char* name) {
  for (const Int_Option& o : kLoadOrder) {
    if (o.name && std::string_view(o.name) == name) return &o;
  }
  return nullptr;
}

}  // namespace

void Load_Trans_Options(appfw::CWinApp& app, TransOptions& options) {
  for (const Int_Option& o : kLoadOrder) {
    if (!o.name) {
      options.DFKCPath = app.GetProfileString(kOptionSection, kDFKCPath, "");
      if (options.DFKCPath.str().size() > kMaxFolderLength) options.DFKCPath = "";
    } else {
      int value = app.GetProfileInt(kOptionSection, o.name, o.defaultValue);
      options.*o.field = Fits(o.kind, value) ? value : o.defaultValue;
    }
  }
}

void Save_Trans_Options(appfw::CWinApp& app, const TransOptions& options) {
  for (const char* name : kSaveOrder) {
    if (!name) {
      app.WriteProfileString(kOptionSection, kDFKCPath, options.DFKCPath);
    } else {
      app.WriteProfileInt(kOptionSection, name, options.*Find(name)->field);
    }
  }
}
