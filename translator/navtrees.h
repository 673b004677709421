#pragma once

// The navigation bar's two trees, shown as window folders of its outlook bar: the other links
// of "\others.lst" and the user's Internet Favorites. Selecting an item with a link opens it.

#include <windows.h>

#include <string>
#include <vector>

#include "appfw/treectrl.h"
#include "navlogic.h"

// --- opening links ---

// Opens a web link with the shell in a maximised window; the result is not checked.
void Open_Link(const std::string& address);
// Tests put their own opener in place (null puts the shell back).
using Link_Opener = void (*)(const std::string& address);
void Set_Link_Opener(Link_Opener opener);

// A tree item's value that names no link.
constexpr DWORD_PTR kNoLink = static_cast<DWORD_PTR>(-1);

// The child identifier and look both trees share.
constexpr UINT kNavTreeId = 1010;
constexpr DWORD kNavTreeStyle = WS_CHILD | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                                TVS_SHOWSELALWAYS | TVS_TRACKSELECT | TVS_INFOTIP;
constexpr COLORREF kNavTreeBackground = RGB(180, 180, 220);

// What both trees do: open the link of an item that becomes selected, answer info-tip
// requests within their buffer.
class CNavTreeBase : public appfw::CTreeCtrl {
  DECLARE_MSG_MAP()

 public:
  // Creates the tree (hidden, empty rectangle) as a child of `parent`.
  BOOL Create(HWND parent);
  // The link address of an item, or empty when it has none.
  std::string Link_Of(HTREEITEM item) const;

 protected:
  // The info tip of an item, or empty for none.
  virtual std::string Tip_Of(HTREEITEM item) const = 0;
  virtual void OnCreated() {}
  LRESULT OnReflectNotify(WPARAM, LPARAM);

  std::vector<std::string> m_links;  // an item's value is an index here
};

// The other links: a group node per header of "\others.lst", a link node per item line.
class COtherUrlTreeCtrl : public CNavTreeBase {
 public:
  const std::vector<std::string>& Tips() const { return m_tips; }
  // Reads the list file again (the tree's items are replaced).
  void Load(const std::string& path);

 protected:
  std::string Tip_Of(HTREEITEM item) const override;
  void OnCreated() override;

 private:
  std::vector<std::string> m_tips;
};

// The user's Internet Favorites: folders and shortcut files as the shell lists them.
class CFavoritesTreeCtrl : public CNavTreeBase {
 public:
  // Empties the tree and lists the Favorites folder under its root; FALSE when the folder or
  // its listing cannot be had.
  BOOL Fill();
  const std::vector<std::string>& Links() const { return m_links; }
  // Tests list a folder of their own in place of the user's Favorites (empty: the user's).
  static void Set_Folder_For_Tests(const std::string& folder);

 protected:
  std::string Tip_Of(HTREEITEM item) const override;
};
