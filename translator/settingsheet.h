#pragma once

// The settings sheet "青岚墨译设置": hot keys and menu style, professional dictionaries, the
// user dictionary. The floating bar runs it and, after OK, registers the hot keys and hands
// the new values to the hook libraries.

#include <string>
#include <vector>

#include "appfw/controls.h"
#include "appfw/propsheet.h"
#include "dictfiles.h"

// "翻译设置": the four hot keys and the style of translated menus.
class CTransSetting : public appfw::CPropertyPage {
  DECLARE_MSG_MAP()

 public:
  CTransSetting();
  void DoDataExchange() override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  appfw::CHotKeyCtrl m_hotTrans, m_hotInterface, m_hotDict, m_hotRestore;
  int m_menuStyle = 0;  // 0 Chinese menus, 1 Chinese and English
  // The translation packs of the outside product: no control shows them.
  int m_usePacks = 0;
  std::string m_packPath;

 private:
  void OnDefaultHotKeys();
};

// "词库设置": the professional dictionaries of the list file and the user-dictionary switch.
class CDictSetting : public appfw::CPropertyPage {
  DECLARE_MSG_MAP()

 public:
  CDictSetting();
  void DoDataExchange() override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnAdd();

  appfw::CListCtrl m_list;
  appfw::CImageList m_images;
  int m_useUserDict = 0;

 protected:
  LRESULT OnNotify(WPARAM, LPARAM);

 private:
  void OnDelete();
  void OnSelect();
  void OnDeselect();
  // Gives a row the in-use flag and its book.
  void Mark_Row(int row, bool inUse);
  // Appends a row for a dictionary; its index.
  int Append_Row(const std::string& name, const std::string& description,
                 const std::string& fileName, bool inUse);
  void Size_Columns();
};

// "用户词库": the user's own words.
class CUserPage : public appfw::CPropertyPage {
  DECLARE_MSG_MAP()

 public:
  CUserPage();
  void DoDataExchange() override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void LoadUserDict();
  void SaveUserDict();
  // The rows in list order.
  std::vector<User_Word> Words() const;

  appfw::CListCtrl m_list;
  bool m_modified = false;

 protected:
  LRESULT OnNotify(WPARAM, LPARAM);

 private:
  void OnAddWord();
  void OnModify();
  void OnDeleteWord();
  void Edit_Row(int row);
  void Set_Row(int row, const User_Word& word);
};

// The word dialog: a word, its part of speech and its meaning.
class CUserWordDlg : public appfw::CDialog {
 public:
  explicit CUserWordDlg(appfw::CWnd* parent);
  void DoDataExchange() override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  std::string m_word, m_part, m_meaning;
};

// The sheet: opens on the translation page, centred on the desktop; no Apply, no Help.
class CSettingSheet : public appfw::CPropertySheet {
 public:
  explicit CSettingSheet(appfw::CWnd* parent);
  BOOL OnInitDialog() override;

  CTransSetting m_transPage;
  CDictSetting m_dictPage;
  CUserPage m_userPage;
};
