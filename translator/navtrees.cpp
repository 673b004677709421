#include "navtrees.h"

#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "app.h"

namespace {

void Shell_Open_Link(const std::string& address) {
  ShellExecuteA(nullptr, "open", address.c_str(), "", "", SW_SHOWMAXIMIZED);
}

Link_Opener g_opener = Shell_Open_Link;
std::string g_favoritesForTests;

// Nested folders deeper than this are left out: a folder that contains itself through a
// link cannot hold the bar up.
constexpr int kDeepestFavoritesFolder = 12;

std::wstring Ansi_To_Wide(const std::string& text) {
  int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (n <= 0) return std::wstring();
  std::wstring s(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, s.data(), n);
  s.resize(static_cast<size_t>(n - 1));
  return s;
}

std::string Display_Name(IShellFolder* folder, LPCITEMIDLIST child, SHGDNF how) {
  STRRET name{};
  if (FAILED(folder->GetDisplayNameOf(child, how, &name))) return std::string();
  char buffer[MAX_PATH * 2] = {};
  if (FAILED(StrRetToBufA(&name, child, buffer, sizeof buffer))) return std::string();
  return buffer;
}

// The file name without folder and extension.
std::string Name_Without_Extension(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}

// Answers an info-tip request in its own buffer, cut on a character boundary.
void Fill_Info_Tip(NMHDR* header, const std::string& tip) {
  if (header->code == TVN_GETINFOTIPA) {
    auto* info = reinterpret_cast<NMTVGETINFOTIPA*>(header);
    if (!info->pszText || info->cchTextMax <= 0) return;
    std::string fit = Fit_Buffer(tip, static_cast<size_t>(info->cchTextMax));
    memcpy(info->pszText, fit.c_str(), fit.size() + 1);
  } else {
    auto* info = reinterpret_cast<NMTVGETINFOTIPW*>(header);
    if (!info->pszText || info->cchTextMax <= 0) return;
    std::wstring wide = Ansi_To_Wide(tip);
    auto room = static_cast<size_t>(info->cchTextMax) - 1;
    if (wide.size() > room) {
      wide.resize(room);
      // No half of a surrogate pair is left at the end.
      if (!wide.empty() && wide.back() >= 0xD800 && wide.back() <= 0xDBFF) wide.pop_back();
    }
    memcpy(info->pszText, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  }
}

}  // namespace

void Open_Link(const std::string& address) { g_opener(address); }

void Set_Link_Opener(Link_Opener opener) { g_opener = opener ? opener : Shell_Open_Link; }

// --- both trees ---

BEGIN_MSG_MAP(CNavTreeBase, appfw::CTreeCtrl)
  ON_MSG(WM_REFLECT_NOTIFY, OnReflectNotify)
END_MSG_MAP()

BOOL CNavTreeBase::Create(HWND parent) {
  if (!appfw::CTreeCtrl::Create(kNavTreeStyle, RECT{0, 0, 0, 0}, parent, kNavTreeId)) {
    return FALSE;
  }
  SetBkColor(kNavTreeBackground);
  OnCreated();
  return TRUE;
}

std::string CNavTreeBase::Link_Of(HTREEITEM item) const {
  DWORD_PTR value = GetItemData(item);
  if (!item || value == kNoLink || value >= m_links.size()) return std::string();
  return m_links[value];
}

LRESULT CNavTreeBase::OnReflectNotify(WPARAM, LPARAM lp) {
  auto* header = reinterpret_cast<NMHDR*>(lp);
  switch (header->code) {
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW: {
      // The new item of both forms sits at the same place.
      HTREEITEM item = reinterpret_cast<NMTREEVIEWA*>(lp)->itemNew.hItem;
      DWORD_PTR value = GetItemData(item);
      if (item && value != kNoLink && value < m_links.size()) Open_Link(m_links[value]);
      return 0;
    }
    case TVN_GETINFOTIPA:
    case TVN_GETINFOTIPW: {
      HTREEITEM item = header->code == TVN_GETINFOTIPA
                           ? reinterpret_cast<NMTVGETINFOTIPA*>(lp)->hItem
                           : reinterpret_cast<NMTVGETINFOTIPW*>(lp)->hItem;
      std::string tip = Tip_Of(item);
      if (!tip.empty()) Fill_Info_Tip(header, tip);
      return 0;
    }
    default:
      return 0;
  }
}

// --- other links ---

void COtherUrlTreeCtrl::OnCreated() { Load(App_Path("\\others.lst")); }

void COtherUrlTreeCtrl::Load(const std::string& path) {
  DeleteAllItems();
  m_links.clear();
  m_tips.clear();
  bool opened = false;
  std::string bytes = Read_File_Bytes(path, &opened);
  if (!opened) return;
  for (const Link_Group& group : Parse_Link_List(bytes)) {
    HTREEITEM node = InsertItem(group.name.c_str());
    SetItemData(node, kNoLink);
    for (const Link_Item& link : group.items) {
      HTREEITEM leaf = InsertItem(link.caption.c_str(), node);
      m_links.push_back(link.address);
      m_tips.push_back(link.tip);
      SetItemData(leaf, m_links.size() - 1);
    }
  }
}

std::string COtherUrlTreeCtrl::Tip_Of(HTREEITEM item) const {
  DWORD_PTR value = GetItemData(item);
  if (!item || ItemHasChildren(item) || value == kNoLink || value >= m_links.size()) {
    return std::string();
  }
  return Other_Link_Tip(GetItemText(item).str(), m_tips[value], m_links[value]);
}

// --- favourites ---

void CFavoritesTreeCtrl::Set_Folder_For_Tests(const std::string& folder) {
  g_favoritesForTests = folder;
}

namespace {

struct Favorites_Lister {
  CFavoritesTreeCtrl* tree;
  std::vector<std::string>* links;

  void List(IShellFolder* folder, HTREEITEM parent, int depth) {
    IEnumIDList* items = nullptr;
    if (folder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, &items) != S_OK ||
        !items) {
      return;
    }
    LPITEMIDLIST child = nullptr;
    ULONG got = 0;
    while (items->Next(1, &child, &got) == S_OK && got == 1) {
      Add(folder, child, parent, depth);
      CoTaskMemFree(child);
    }
    items->Release();
  }

  void Add(IShellFolder* folder, LPCITEMIDLIST child, HTREEITEM parent, int depth) {
    SFGAOF attributes = SFGAO_FOLDER | SFGAO_FILESYSTEM;
    if (FAILED(folder->GetAttributesOf(1, &child, &attributes))) attributes = 0;
    if (attributes & SFGAO_FOLDER) {
      std::string path = Display_Name(folder, child, SHGDN_FORPARSING);
      HTREEITEM node = tree->InsertItem(Name_Without_Extension(path).c_str(), parent);
      tree->SetItemData(node, kNoLink);
      IShellFolder* inner = nullptr;
      if (depth < kDeepestFavoritesFolder &&
          SUCCEEDED(folder->BindToObject(child, nullptr, IID_IShellFolder,
                                         reinterpret_cast<void**>(&inner))) &&
          inner) {
        List(inner, node, depth + 1);
        inner->Release();
      }
      return;
    }
    HTREEITEM leaf = tree->InsertItem(Display_Name(folder, child, SHGDN_NORMAL).c_str(), parent);
    tree->SetItemData(leaf, kNoLink);
    if (!(attributes & SFGAO_FILESYSTEM)) return;
    bool opened = false;
    std::string bytes = Read_File_Bytes(Display_Name(folder, child, SHGDN_FORPARSING), &opened,
                                        kLargestShortcutFile);
    if (!opened) return;
    if (std::optional<std::string> address = Parse_Internet_Shortcut(bytes)) {
      links->push_back(*address);
      tree->SetItemData(leaf, links->size() - 1);
    }
  }

  // Shortcut files are small; a huge file is read no further than this.
  static constexpr size_t kLargestShortcutFile = 64 * 1024;
};

// The shell folder of the user's Favorites (or of the tests' folder), or null.
IShellFolder* Open_Favorites(IShellFolder* desktop) {
  LPITEMIDLIST where = nullptr;
  if (g_favoritesForTests.empty()) {
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_FAVORITES, &where))) return nullptr;
  } else {
    std::wstring path = Ansi_To_Wide(g_favoritesForTests);
    if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, path.data(), nullptr, &where,
                                         nullptr))) {
      return nullptr;
    }
  }
  IShellFolder* folder = nullptr;
  HRESULT bound = desktop->BindToObject(where, nullptr, IID_IShellFolder,
                                        reinterpret_cast<void**>(&folder));
  CoTaskMemFree(where);
  return SUCCEEDED(bound) ? folder : nullptr;
}

}  // namespace

BOOL CFavoritesTreeCtrl::Fill() {
  DeleteAllItems();
  m_links.clear();
  HRESULT com = CoInitialize(nullptr);
  BOOL filled = FALSE;
  IShellFolder* desktop = nullptr;
  if (SUCCEEDED(SHGetDesktopFolder(&desktop)) && desktop) {
    if (IShellFolder* favorites = Open_Favorites(desktop)) {
      IEnumIDList* probe = nullptr;
      if (favorites->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, &probe) ==
              S_OK && probe) {
        probe->Release();
        Favorites_Lister{this, &m_links}.List(favorites, TVI_ROOT, 0);
        filled = TRUE;
      }
      favorites->Release();
    }
    desktop->Release();
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return filled;
}

std::string CFavoritesTreeCtrl::Tip_Of(HTREEITEM item) const {
  DWORD_PTR value = GetItemData(item);
  if (!item || value == kNoLink || value >= m_links.size()) return std::string();
  return Favorite_Tip(GetItemText(item).str(), m_links[value]);
}
