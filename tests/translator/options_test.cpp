// The nineteen options: read in their order with their defaults, written back in the save
// order with their types.
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
  Recording_Lingvane app{"LingvaneOptionsTest"};
};

TEST_F(TranslatorOptions, MissingValuesAreReadInOrderWithTheirDefaults) {
  EXPECT_EQ(app.ProfileKeyPath(), "Software\\Larkmoor\\LingvaneOptionsTest");
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

  // In the registry: eighteen numbers and one text, and a fresh load reads them all back.
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER,
                          "Software\\Larkmoor\\LingvaneOptionsTest\\Option", 0, KEY_READ, &key),
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
  EXPECT_EQ(o.ShowNavBar, 18);
  EXPECT_EQ(o.DFKCPath.str(), "D:\\东方快车");
}

}  // namespace
