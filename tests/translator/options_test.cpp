// The nineteen options: read in their order with their defaults, written back in the save
// order with their types; values that are damaged read as defaults and are replaced at exit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app.h"
#include "options.h"
#include "testkit/testkit.h"

namespace {

// Records every profile call and passes it on to the registry.
class Recording_Lingvane : public CLingvaneApp {
 public:
  explicit Recording_Lingvane(const char* name) : CLingvaneApp(name, "Larkmoor Wordbridge opt") {
    SetRegistryKey("Larkmoor");
  }
  std::vector<std::string> reads, writes;

  int GetProfileInt(const char* section, const char* entry, int dflt) override {
    reads.push_back(std::string(section) + "\\" + entry + " = " + std::to_string(dflt));
    return CLingvaneApp::GetProfileInt(section, entry, dflt);
  }
  appfw::CString GetProfileString(const char* section, const char* entry,
                                  const char* dflt) override {
    reads.push_back(std::string(section) + "\\" + entry + " = \"" + dflt + "\"");
    return CLingvaneApp::GetProfileString(section, entry, dflt);
  }
  BOOL WriteProfileInt(const char* section, const char* entry, int value) override {
    writes.push_back(std::string(section) + "\\" + entry + " number " + std::to_string(value));
    return CLingvaneApp::WriteProfileInt(section, entry, value);
  }
  BOOL WriteProfileString(const char* section, const char* entry, const char* value) override {
    writes.push_back(std::string(section) + "\\" + entry + " text " + value);
    return CLingvaneApp::WriteProfileString(section, entry, value);
  }
};

class TranslatorOptions : public ::testing::Test {
 protected:
  void SetUp() override {
    testkit::Delete_User_Key(app.ProfileKeyPath());
    g_TransOptions = TransOptions{};
  }
  void TearDown() override { testkit::Delete_User_Key(app.ProfileKeyPath()); }
  // Each case has an options key of its own: the cases may run at the same time.
  static std::string Name() {
    return std::string("LingvaneOptionsTest") +
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
  }
  Recording_Lingvane app{Name().c_str()};
  std::string Option_Key() const { return app.ProfileKeyPath() + "\\Option"; }
};

TEST_F(TranslatorOptions, MissingValuesAreReadInOrderWithTheirDefaults) {
  EXPECT_EQ(app.ProfileKeyPath(), "Software\\Larkmoor\\" + Name());
  EXPECT_TRUE(app.LoadSettings());
  EXPECT_EQ(app.reads, (std::vector<std::string>{
                           "Option\\UseDictionary = 0",
                           "Option\\UseSystemFont = 0",
                           "Option\\AutoHideBar = 0",
                           "Option\\CurrentCode = -1",
                           "Option\\ProfDictID = -1",
                           "Option\\TransHotkey = 131192",
                           "Option\\RestoreEnglishHotkey = 131193",
                           "Option\\InterfaceHotkey = 131194",
                           "Option\\DictHotkey = 393328",
                           "Option\\PackageHotkey = 131191",
                           "Option\\BackgroundImageID = 129",
                           "Option\\UseDFKC = 0",
                           "Option\\DFKCPath = \"\"",
                           "Option\\UseUserDict = 0",
                           "Option\\UseChnEngMenu = 0",
                           "Option\\InterfaceType = 0",
                           "Option\\UseGameTrans = 1",
                           "Option\\InterfaceStyle = 0",
                           "Option\\ShowNavBar = 0",
                       }));
  const TransOptions& o = g_TransOptions;
  EXPECT_EQ(o.CurrentCode, -1);
  EXPECT_EQ(o.ProfDictID, -1);
  EXPECT_EQ(o.TransHotkey, 0x20078);
  EXPECT_EQ(o.RestoreEnglishHotkey, 0x20079);
  EXPECT_EQ(o.InterfaceHotkey, 0x2007A);
  EXPECT_EQ(o.DictHotkey, 0x60070);
  EXPECT_EQ(o.PackageHotkey, 0x20077);
  EXPECT_EQ(o.BackgroundImageID, 129);
  EXPECT_EQ(o.UseGameTrans, 1);
  EXPECT_TRUE(o.DFKCPath.IsEmpty());
  EXPECT_TRUE(app.writes.empty());  // loading writes nothing
}

TEST_F(TranslatorOptions, AllNineteenAreWrittenInTheSaveOrderAndReadBack) {
  TransOptions& o = g_TransOptions;
  int n = 1;
  for (int* f : {&o.UseDictionary, &o.UseSystemFont, &o.AutoHideBar, &o.CurrentCode,
                 &o.ProfDictID, &o.TransHotkey, &o.RestoreEnglishHotkey, &o.InterfaceHotkey,
                 &o.DictHotkey, &o.PackageHotkey, &o.BackgroundImageID, &o.UseDFKC,
                 &o.UseUserDict, &o.UseChnEngMenu, &o.InterfaceType, &o.UseGameTrans,
                 &o.InterfaceStyle, &o.ShowNavBar}) {
    *f = n++;
  }
  o.CurrentCode = -1;
  o.DFKCPath = "D:\\东方快车";
  EXPECT_TRUE(app.SaveSettings());
  EXPECT_EQ(app.writes, (std::vector<std::string>{
                            "Option\\ProfDictID number 5",
                            "Option\\UseDictionary number 1",
                            "Option\\CurrentCode number -1",
                            "Option\\UseSystemFont number 2",
                            "Option\\AutoHideBar number 3",
                            "Option\\DictHotkey number 9",
                            "Option\\TransHotkey number 6",
                            "Option\\InterfaceHotkey number 8",
                            "Option\\RestoreEnglishHotkey number 7",
                            "Option\\PackageHotkey number 10",
                            "Option\\BackgroundImageID number 11",
                            "Option\\UseDFKC number 12",
                            "Option\\DFKCPath text D:\\东方快车",
                            "Option\\UseUserDict number 13",
                            "Option\\UseChnEngMenu number 14",
                            "Option\\InterfaceType number 15",
                            "Option\\UseGameTrans number 16",
                            "Option\\InterfaceStyle number 17",
                            "Option\\ShowNavBar number 18",
                        }));

  // In the registry: eighteen numbers and one text, and a fresh load reads back those that
  // are well-formed.
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, Option_Key().c_str(), 0, KEY_READ, &key),
            ERROR_SUCCESS);
  DWORD values = 0;
  RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                   nullptr, nullptr, nullptr);
  EXPECT_EQ(values, 19u);
  int numbers = 0, texts = 0;
  for (DWORD i = 0; i < values; ++i) {
    char name[64];
    DWORD nameSize = sizeof name, type = 0;
    RegEnumValueA(key, i, name, &nameSize, nullptr, &type, nullptr, nullptr);
    if (type == REG_DWORD) ++numbers;
    if (type == REG_SZ) {
      ++texts;
      EXPECT_STREQ(name, "DFKCPath");
    }
  }
  RegCloseKey(key);
  EXPECT_EQ(numbers, 18);
  EXPECT_EQ(texts, 1);

  TransOptions saved = o;
  o = TransOptions{};
  app.LoadSettings();
  EXPECT_EQ(o.ProfDictID, saved.ProfDictID);
  EXPECT_EQ(o.CurrentCode, -1);
  EXPECT_EQ(o.DictHotkey, 9);
  EXPECT_EQ(o.ShowNavBar, 0);  // not a flag: its default
  EXPECT_EQ(o.DFKCPath.str(), "D:\\东方快车");
}

// A stored value of any type, as a hand edit or another program may leave it.
struct Stored {
  const char* name;
  DWORD type;
  std::string bytes;
  // What it reads as; for DFKCPath the text, for the others the number.
  std::string reads;
};

std::string Number(DWORD v) { return std::string(reinterpret_cast<const char*>(&v), sizeof v); }
std::string Text(const std::string& t) { return t + '\0'; }

void Write_Raw(const std::string& path, const Stored& v) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, v.name, 0, v.type, reinterpret_cast<const BYTE*>(v.bytes.data()),
                 static_cast<DWORD>(v.bytes.size()));
  RegCloseKey(key);
}

// The value as stored now: "n:<number>", "s:<text>", or "type <t>" for anything else.
std::string Read_Raw(const std::string& path, const char* name) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return "no key";
  BYTE data[1024] = {};
  DWORD type = 0, size = sizeof data - 1;
  LONG r = RegQueryValueExA(key, name, nullptr, &type, data, &size);
  RegCloseKey(key);
  if (r != ERROR_SUCCESS) return "missing";
  if (type == REG_DWORD) return "n:" + std::to_string(*reinterpret_cast<int*>(data));
  if (type == REG_SZ) return "s:" + std::string(reinterpret_cast<char*>(data));
  return "type " + std::to_string(type);
}

std::string Loaded(const char* name) {
  const TransOptions& o = g_TransOptions;
  const std::pair<const char*, int> numbers[] = {
      {"UseDictionary", o.UseDictionary}, {"UseSystemFont", o.UseSystemFont},
      {"AutoHideBar", o.AutoHideBar}, {"CurrentCode", o.CurrentCode},
      {"ProfDictID", o.ProfDictID}, {"TransHotkey", o.TransHotkey},
      {"RestoreEnglishHotkey", o.RestoreEnglishHotkey}, {"InterfaceHotkey", o.InterfaceHotkey},
      {"DictHotkey", o.DictHotkey}, {"PackageHotkey", o.PackageHotkey},
      {"BackgroundImageID", o.BackgroundImageID}, {"UseDFKC", o.UseDFKC},
      {"UseUserDict", o.UseUserDict}, {"UseChnEngMenu", o.UseChnEngMenu},
      {"InterfaceType", o.InterfaceType}, {"UseGameTrans", o.UseGameTrans},
      {"InterfaceStyle", o.InterfaceStyle}, {"ShowNavBar", o.ShowNavBar}};
  if (std::string(name) == "DFKCPath") return "s:" + o.DFKCPath.str();
  for (const auto& [n, v] : numbers)
    if (std::string(name) == n) return "n:" + std::to_string(v);
  return "unknown";
}

TEST_F(TranslatorOptions, DamagedValuesReadAsTheDefaultAndAreReplacedAtExitWellFormedOnesKept) {
  const std::string longFolder(MAX_PATH, 'd');
  const Stored cases[] = {
      // The bar style: only 0 and 1; anything else is the compact bar.
      {"InterfaceStyle", REG_DWORD, Number(2), "n:0"},
      {"InterfaceStyle", REG_DWORD, Number(0xFFFFFFFF), "n:0"},
      {"InterfaceStyle", REG_DWORD, Number(1), "n:1"},
      {"InterfaceStyle", REG_SZ, Text("1"), "n:0"},
      {"InterfaceStyle", REG_BINARY, Number(1), "n:0"},
      {"InterfaceStyle", REG_QWORD, Number(1) + Number(0), "n:0"},
      {"InterfaceStyle", REG_DWORD, Number(1).substr(0, 2), "n:0"},
      // Flags: 0 and 1.
      {"UseGameTrans", REG_DWORD, Number(0), "n:0"},
      {"UseGameTrans", REG_DWORD, Number(2), "n:1"},
      {"UseDictionary", REG_DWORD, Number(0xFFFFFFFF), "n:0"},
      {"AutoHideBar", REG_DWORD, Number(1), "n:1"},
      {"ShowNavBar", REG_SZ, Text("1"), "n:0"},
      {"InterfaceType", REG_DWORD, Number(1), "n:1"},
      {"InterfaceType", REG_DWORD, Number(950), "n:0"},
      {"UseSystemFont", REG_DWORD, Number(7), "n:0"},
      // Text codes: 1, 0, 256 and -1.
      {"CurrentCode", REG_DWORD, Number(256), "n:256"},
      {"CurrentCode", REG_DWORD, Number(0), "n:0"},
      {"CurrentCode", REG_DWORD, Number(2), "n:-1"},
      {"CurrentCode", REG_DWORD, Number(257), "n:-1"},
      // A record index or -1.
      {"ProfDictID", REG_DWORD, Number(7), "n:7"},
      {"ProfDictID", REG_DWORD, Number(static_cast<DWORD>(-2)), "n:-1"},
      // Hot keys: a key below 256, modifier bits below 16, or none.
      {"DictHotkey", REG_DWORD, Number(0x70), "n:112"},
      {"DictHotkey", REG_DWORD, Number(0xF0070), "n:983152"},
      {"DictHotkey", REG_DWORD, Number(0x100070), "n:393328"},
      {"TransHotkey", REG_DWORD, Number(0x20170), "n:131192"},
      {"PackageHotkey", REG_DWORD, Number(0), "n:0"},
      {"InterfaceHotkey", REG_DWORD, Number(0xFFFFFFFF), "n:131194"},
      // The two backgrounds.
      {"BackgroundImageID", REG_DWORD, Number(205), "n:205"},
      {"BackgroundImageID", REG_DWORD, Number(777), "n:129"},
      // A folder: text, no longer than a path.
      {"DFKCPath", REG_SZ, Text("D:\\东方快车"), "s:D:\\东方快车"},
      {"DFKCPath", REG_DWORD, Number(5), "s:"},
      {"DFKCPath", REG_SZ, Text(longFolder), "s:"},
      {"DFKCPath", REG_SZ, Text(longFolder.substr(1)), "s:" + longFolder.substr(1)},
  };
  for (const Stored& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " stored as type " + std::to_string(c.type) +
                 " reads as " + c.reads);
    testkit::Delete_User_Key(app.ProfileKeyPath());
    g_TransOptions = TransOptions{};
    Write_Raw(Option_Key(), c);
    app.LoadSettings();
    EXPECT_EQ(Loaded(c.name), c.reads);
    // What exit writes is what was read: never the damaged value.
    app.SaveSettings();
    EXPECT_EQ(Read_Raw(Option_Key(), c.name), c.reads);
  }
}

}  // namespace
