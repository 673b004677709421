#include "navlogic.h"

#include "barlogic.h"

// --- link lists ---

std::vector<std::string> Read_Text_Lines(const std::string& bytes, size_t buffer) {
  std::vector<std::string> lines;
  if (buffer < 2) return lines;
  const size_t room = buffer - 1;
  std::string piece;
  for (size_t i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    // Text mode hands CR LF over as LF.
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    piece += c;
    if (c == '\n' || piece.size() == room) {
      lines.push_back(piece);
      piece.clear();
    }
  }
  if (!piece.empty()) lines.push_back(piece);
  return lines;
}

std::string Trim_Line(const std::string& line) {
  const char* blanks = " \t\r\n\v\f";
  size_t first = line.find_first_not_of(blanks);
  if (first == std::string::npos) return std::string();
  size_t last = line.find_last_not_of(blanks);
  return line.substr(first, last - first + 1);
}

std::optional<Link_Item> Parse_Link_Item(const std::string& line) {
  size_t first = line.find(';');
  if (first == std::string::npos) return std::nullopt;
  Link_Item item;
  item.caption = line.substr(0, first);
  size_t second = line.find(';', first + 1);
  if (second == std::string::npos) {
    item.address = line.substr(first + 1);
  } else {
    item.address = line.substr(first + 1, second - first - 1);
    item.tip = line.substr(second + 1);
  }
  return item;
}

std::vector<Link_Group> Parse_Link_List(const std::string& bytes) {
  std::vector<Link_Group> groups;
  for (const std::string& raw : Read_Text_Lines(bytes, kLinkListLineBuffer)) {
    std::string line = Trim_Line(raw);
    if (line.size() < kLinkListShortestLine) continue;
    if (line.front() == '[' && line.back() == ']') {
      groups.push_back(Link_Group{line.substr(1, line.size() - 2), {}});
      continue;
    }
    std::optional<Link_Item> item = Parse_Link_Item(line);
    if (!item || groups.empty()) continue;  // no group to go to before the first header
    groups.back().items.push_back(*item);
  }
  return groups;
}

// --- Internet shortcut files ---

std::optional<std::string> Parse_Internet_Shortcut(const std::string& bytes) {
  std::vector<std::string> lines = Read_Text_Lines(bytes, kShortcutLineBuffer);
  for (std::string& line : lines) {
    if (!line.empty() && line.back() == '\n') line.pop_back();
  }
  static const std::string kSection = "[InternetShortcut]";
  static const std::string kUrl = "URL=";
  for (size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i] != kSection) continue;
    if (lines[i + 1].compare(0, kUrl.size(), kUrl) == 0) return lines[i + 1].substr(kUrl.size());
  }
  return std::nullopt;
}

// --- tips ---

std::string Link_Tip(const std::string& tip, const std::string& address) {
  return tip.empty() ? address : tip + "\n" + address;
}

std::string Other_Link_Tip(const std::string& caption, const std::string& tip,
                           const std::string& address) {
  return (tip.empty() ? caption : tip) + "\n" + address;
}

std::string Favorite_Tip(const std::string& name, const std::string& address) {
  return name + "\n" + address;
}

std::string Fit_Buffer(const std::string& text, size_t buffer) {
  if (buffer < 2) return std::string();
  return Cut_Bytes(text, buffer - 1);
}

// --- docking ---

bool On_Left_Half(int x, int screenWidth) { return x <= screenWidth / 2; }

RECT Moving_Rect(const RECT& dragged, const RECT& current, int cursorX, int screenWidth) {
  const int width = dragged.right - dragged.left;
  RECT r{0, current.top, width, current.bottom};
  if (!On_Left_Half(cursorX, screenWidth)) {
    r.right = screenWidth;
    r.left = screenWidth - width;
  }
  return r;
}

RECT Sizing_Rect(int side, const RECT& proposed, const RECT& current, int cursorX,
                 int screenWidth) {
  const int inner = On_Left_Half(cursorX, screenWidth) ? WMSZ_RIGHT : WMSZ_LEFT;
  return side == inner ? proposed : current;
}

Dock_Edge Edge_After_Move(const RECT& r, int screenWidth) {
  if (r.left <= 0) return Dock_Edge::Left;
  if (r.right >= screenWidth) return Dock_Edge::Right;
  return Dock_Edge::None;
}

Dock_Query Dock_Query_Rect(Dock_Edge edge, const RECT& r, int screenWidth, int screenHeight) {
  Dock_Query q{r, 0};
  if (edge == Dock_Edge::Left || edge == Dock_Edge::Right) {
    q.asked.top = 0;
    q.asked.bottom = screenHeight;
    q.keep = r.right - r.left;
  } else {
    q.asked.left = 0;
    q.asked.right = screenWidth;
    q.keep = r.bottom - r.top;
  }
  return q;
}

RECT Dock_Cut(Dock_Edge edge, const RECT& answered, int keep) {
  RECT r = answered;
  switch (edge) {
    case Dock_Edge::Left: r.right = r.left + keep; break;
    case Dock_Edge::Right: r.left = r.right - keep; break;
    case Dock_Edge::Top: r.bottom = r.top + keep; break;
    case Dock_Edge::Bottom: r.top = r.bottom - keep; break;
    default: break;
  }
  return r;
}

LRESULT Docked_Hit(Dock_Edge edge, LRESULT hit) {
  if (hit == HTCLOSE || hit == HTCAPTION) return hit;
  struct Inner_Border {
    Dock_Edge edge;
    LRESULT hit;
  };
  constexpr Inner_Border kInner[] = {{Dock_Edge::Left, HTRIGHT},
                                     {Dock_Edge::Right, HTLEFT},
                                     {Dock_Edge::Top, HTBOTTOM},
                                     {Dock_Edge::Bottom, HTTOP}};
  for (const Inner_Border& b : kInner) {
    if (b.edge == edge && b.hit == hit) return hit;
  }
  return HTCLIENT;
}

std::optional<RECT> Display_Change_Rect(Dock_Edge edge, const RECT& r, int screenWidth,
                                        int screenHeight) {
  int width = r.right - r.left;
  if (edge == Dock_Edge::Left) {
    if (width > screenWidth / 3) width = screenWidth / 3;
    return RECT{0, 0, width, screenHeight};
  }
  if (edge == Dock_Edge::Right) {
    int left = screenWidth - width;
    if (left < screenWidth * 2 / 3) left = screenWidth * 2 / 3;
    return RECT{left, 0, screenWidth, screenHeight};
  }
  return std::nullopt;
}

// --- auto-hide ---

std::vector<int> Slide_Out_Steps(Dock_Edge edge, int width, int screenWidth) {
  std::vector<int> xs;
  if (edge == Dock_Edge::Right) {
    for (int n = kSlideSteps; n >= 1; --n) xs.push_back(screenWidth - n * width / 10 - kSlidOutStrip);
    xs.push_back(screenWidth - kSlidOutStrip);
  } else {
    for (int i = 0; i < kSlideSteps; ++i) xs.push_back(-(i * (width - kSlidOutStrip)) / 10);
    xs.push_back(kSlidOutStrip - width);
  }
  return xs;
}

int Slide_Back_X(Dock_Edge edge, int width, int screenWidth) {
  return edge == Dock_Edge::Right ? screenWidth - width : 0;
}
