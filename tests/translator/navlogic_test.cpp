// The navigation bar's decisions as tables: the link lists, Internet shortcut files, tips,
// docking rectangles and the steps of sliding out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "navlogic.h"

namespace {

std::string Describe(const std::vector<Link_Group>& groups) {
  std::string s;
  for (const Link_Group& g : groups) {
    s += "[" + g.name + "]";
    for (const Link_Item& i : g.items) s += "{" + i.caption + "|" + i.address + "|" + i.tip + "}";
  }
  return s;
}

TEST(NavLinkList, ReadsHeadersAndItemsAsTheFileHasThem) {
  struct Case {
    const char* name;
    std::string file;
    std::string groups;
  };
  const Case cases[] = {
      {"header then items", "[词典]\r\nA;http://a\r\nB;http://b;B 的说明\r\n",
       "[词典]{A|http://a|}{B|http://b|B 的说明}"},
      {"blanks around lines are trimmed", "  [Tools]\t\r\n\t x;y;z  \r\n",
       "[Tools]{x|y|z}"},
      {"a header of two characters is kept, one of one is not", "[ab]\r\n[c]\r\nq;r;s\r\n",
       "[ab]{q|r|s}"},
      {"lines under four characters and lines without ';' are skipped",
       "[Grp]\r\na;b\r\nabcd\r\nabc;\r\n", "[Grp]{abc||}"},
      {"three ';': the tip keeps the third", "[G1]\r\nc;addr;tip;more\r\n",
       "[G1]{c|addr|tip;more}"},
      {"empty caption, address and tip", "[G1]\r\n;;;;\r\n", "[G1]{||;;}"},
      {"items before the first header go nowhere", "lost;http://x\r\n[G1]\r\nkept;http://y\r\n",
       "[G1]{kept|http://y|}"},
      {"a file of items alone gives nothing", "a;http://1\r\nb;http://2\r\n", ""},
      {"LF alone and a last line without end", "[G1]\nxx;1\nyy;2", "[G1]{xx|1|}{yy|2|}"},
      {"a header of brackets alone is four characters short", "[]\r\n[  ]\r\nx;1;2\r\n",
       "[  ]{x|1|2}"},
      {"an empty file", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Describe(Parse_Link_List(c.file)), c.groups) << c.name;
  }
}

TEST(NavLinkList, ALongLineIsReadInPiecesOfTheBuffer) {
  // 2046 bytes to a piece: a line of 3000 bytes is an item of 2046 bytes and one of 954.
  std::string head(2040, 'a');
  std::string line = head + ";addr;" + std::string(3000 - 2046, 'z') + ";x";
  std::vector<Link_Group> groups = Parse_Link_List("[Long]\r\n" + line + "\r\n");
  ASSERT_EQ(groups.size(), 1u);
  ASSERT_EQ(groups[0].items.size(), 2u);
  EXPECT_EQ(groups[0].items[0].caption, head);
  EXPECT_EQ(groups[0].items[0].address, "addr");
  EXPECT_EQ(groups[0].items[1].caption, std::string(3000 - 2046, 'z'));
  EXPECT_EQ(groups[0].items[1].address, "x");

  std::vector<std::string> pieces = Read_Text_Lines(std::string(5, 'q') + "\r\n", 4);
  EXPECT_EQ(pieces, (std::vector<std::string>{"qqq", "qq\n"}));
}

TEST(NavShortcut, FindsTheUrlLineRightAfterTheSection) {
  struct Case {
    const char* name;
    std::string file;
    const char* address;  // null: no link
  };
  const Case cases[] = {
      {"plain", "[InternetShortcut]\r\nURL=http://www.example.com/\r\n", "http://www.example.com/"},
      {"other sections first", "[DEFAULT]\r\nBASEURL=x\r\n[InternetShortcut]\r\nURL=https://a/b\r\n",
       "https://a/b"},
      {"URL not directly after the section", "[InternetShortcut]\r\nIconIndex=0\r\nURL=http://a\r\n",
       nullptr},
      {"a later pair still counts",
       "[InternetShortcut]\r\nIDList=\r\n[InternetShortcut]\r\nURL=http://late\r\n", "http://late"},
      {"the section line must be exact", "[InternetShortcut] \r\nURL=http://a\r\n", nullptr},
      {"lower-case url= is not URL=", "[InternetShortcut]\r\nurl=http://a\r\n", nullptr},
      {"an empty address", "[InternetShortcut]\r\nURL=\r\n", ""},
      {"LF line ends, no end on the last", "[InternetShortcut]\nURL=http://lf", "http://lf"},
      {"section on the last line", "x\r\n[InternetShortcut]\r\n", nullptr},
      {"empty file", "", nullptr},
      {"binary junk", std::string("\0\x01\xff[Intern", 10), nullptr},
  };
  for (const Case& c : cases) {
    std::optional<std::string> got = Parse_Internet_Shortcut(c.file);
    if (c.address) {
      ASSERT_TRUE(got.has_value()) << c.name;
      EXPECT_EQ(*got, c.address) << c.name;
    } else {
      EXPECT_FALSE(got.has_value()) << c.name;
    }
  }
}

TEST(NavTips, ComposeAndFitTheirBuffers) {
  EXPECT_EQ(Link_Tip("", "http://a"), "http://a");
  EXPECT_EQ(Link_Tip("词典", "http://a"), "词典\nhttp://a");
  EXPECT_EQ(Other_Link_Tip("谷歌翻译", "", "http://t"), "谷歌翻译\nhttp://t");
  EXPECT_EQ(Other_Link_Tip("谷歌翻译", "在线翻译", "http://t"), "在线翻译\nhttp://t");
  EXPECT_EQ(Favorite_Tip("新闻", "http://n"), "新闻\nhttp://n");

  struct Case {
    std::string text;
    size_t buffer;
    std::string fitted;
  };
  const Case cases[] = {
      {"abcdef", 80, "abcdef"},
      {"abcdef", 4, "abc"},
      {"汉字", 4, "汉"},      // four bytes do not fit a buffer of four with its zero
      {"a汉字", 4, "a汉"},
      {"a汉字", 3, "a"},      // no half character
      {"abc", 1, ""},
      {"abc", 0, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Fit_Buffer(c.text, c.buffer), c.fitted) << c.text;
}

TEST(NavDocking, MovingAndSizingKeepToTheEdgeOfTheCursorsHalf) {
  const int w = 1024;
  const RECT current{0, 0, 120, 768};
  struct Move {
    RECT dragged;
    int cursorX;
    RECT result;
  };
  const Move moves[] = {
      {{300, 50, 420, 818}, 200, {0, 0, 120, 768}},
      {{300, 50, 420, 818}, 512, {0, 0, 120, 768}},    // the middle belongs to the left half
      {{300, 50, 420, 818}, 513, {904, 0, 1024, 768}},
      {{900, -20, 1050, 700}, 1000, {874, 0, 1024, 768}},
  };
  for (const Move& m : moves) {
    RECT r = Moving_Rect(m.dragged, current, m.cursorX, w);
    EXPECT_TRUE(EqualRect(&r, &m.result)) << m.cursorX << ": " << r.left << "," << r.top << ","
                                          << r.right << "," << r.bottom;
  }
  const RECT proposed{0, 0, 200, 768};
  struct Size {
    int side, cursorX;
    bool allowed;
  };
  const Size sizes[] = {{WMSZ_RIGHT, 100, true},     {WMSZ_LEFT, 100, false},
                        {WMSZ_LEFT, 900, true},      {WMSZ_RIGHT, 900, false},
                        {WMSZ_BOTTOM, 100, false},   {WMSZ_TOPRIGHT, 100, false},
                        {WMSZ_BOTTOMLEFT, 900, false}};
  for (const Size& s : sizes) {
    RECT r = Sizing_Rect(s.side, proposed, current, s.cursorX, w);
    EXPECT_TRUE(EqualRect(&r, s.allowed ? &proposed : &current)) << s.side << " " << s.cursorX;
  }
}

TEST(NavDocking, EdgesQueriesCutsAndHitTests) {
  const int w = 1024, h = 768;
  EXPECT_EQ(Edge_After_Move(RECT{0, 0, 100, 400}, w), Dock_Edge::Left);
  EXPECT_EQ(Edge_After_Move(RECT{-5, 0, 95, 400}, w), Dock_Edge::Left);
  EXPECT_EQ(Edge_After_Move(RECT{924, 0, 1024, 400}, w), Dock_Edge::Right);
  EXPECT_EQ(Edge_After_Move(RECT{950, 0, 1050, 400}, w), Dock_Edge::Right);
  EXPECT_EQ(Edge_After_Move(RECT{1, 0, 101, 400}, w), Dock_Edge::None);

  struct Dock {
    Dock_Edge edge;
    RECT r, asked;
    int keep;
    RECT answered, cut;
  };
  const Dock docks[] = {
      {Dock_Edge::Left, {0, 0, 100, 400}, {0, 0, 100, 768}, 100, {0, 0, 100, 768}, {0, 0, 100, 768}},
      // The shell moved the bar right of another bar and gave it less height.
      {Dock_Edge::Left, {0, 0, 100, 400}, {0, 0, 100, 768}, 100, {60, 0, 60, 740}, {60, 0, 160, 740}},
      {Dock_Edge::Right, {900, 30, 1024, 400}, {900, 0, 1024, 768}, 124, {900, 0, 1000, 768},
       {876, 0, 1000, 768}},
      {Dock_Edge::Top, {10, 0, 300, 50}, {0, 0, 1024, 50}, 50, {0, 0, 1024, 768}, {0, 0, 1024, 50}},
      {Dock_Edge::Bottom, {10, 700, 300, 768}, {0, 700, 1024, 768}, 68, {0, 0, 1024, 768},
       {0, 700, 1024, 768}},
      {Dock_Edge::None, {0, 0, 0, 0}, {0, 0, 1024, 0}, 0, {0, 0, 1024, 0}, {0, 0, 1024, 0}},
  };
  for (const Dock& d : docks) {
    Dock_Query q = Dock_Query_Rect(d.edge, d.r, w, h);
    EXPECT_TRUE(EqualRect(&q.asked, &d.asked)) << static_cast<int>(d.edge);
    EXPECT_EQ(q.keep, d.keep) << static_cast<int>(d.edge);
    RECT cut = Dock_Cut(d.edge, d.answered, q.keep);
    EXPECT_TRUE(EqualRect(&cut, &d.cut)) << static_cast<int>(d.edge) << ": " << cut.left << ","
                                         << cut.top << "," << cut.right << "," << cut.bottom;
  }

  struct Hit {
    Dock_Edge edge;
    LRESULT in, out;
  };
  const Hit hits[] = {
      {Dock_Edge::Left, HTRIGHT, HTRIGHT},       {Dock_Edge::Left, HTLEFT, HTCLIENT},
      {Dock_Edge::Left, HTTOPRIGHT, HTCLIENT},   {Dock_Edge::Left, HTBOTTOM, HTCLIENT},
      {Dock_Edge::Right, HTLEFT, HTLEFT},        {Dock_Edge::Right, HTRIGHT, HTCLIENT},
      {Dock_Edge::Top, HTBOTTOM, HTBOTTOM},      {Dock_Edge::Bottom, HTTOP, HTTOP},
      {Dock_Edge::Left, HTCAPTION, HTCAPTION},   {Dock_Edge::Right, HTCLOSE, HTCLOSE},
      {Dock_Edge::Left, HTSYSMENU, HTCLIENT},    {Dock_Edge::Right, HTCLIENT, HTCLIENT},
      {Dock_Edge::Left, HTNOWHERE, HTCLIENT},
  };
  for (const Hit& x : hits) {
    EXPECT_EQ(Docked_Hit(x.edge, x.in), x.out) << static_cast<int>(x.edge) << " " << x.in;
  }
}

TEST(NavDocking, DisplayChangeKeepsTheBarWithinItsThird) {
  struct Case {
    Dock_Edge edge;
    RECT r;
    int w, h;
    bool docks;
    RECT result;
  };
  const Case cases[] = {
      {Dock_Edge::Left, {0, 0, 300, 768}, 800, 600, true, {0, 0, 266, 600}},
      {Dock_Edge::Left, {0, 0, 120, 768}, 1280, 1024, true, {0, 0, 120, 1024}},
      {Dock_Edge::Right, {904, 0, 1024, 768}, 1280, 1024, true, {1160, 0, 1280, 1024}},
      {Dock_Edge::Right, {624, 0, 1024, 768}, 800, 600, true, {533, 0, 800, 600}},
      {Dock_Edge::None, {10, 10, 110, 410}, 800, 600, false, {}},
      {Dock_Edge::Top, {0, 0, 800, 40}, 800, 600, false, {}},
  };
  for (const Case& c : cases) {
    std::optional<RECT> r = Display_Change_Rect(c.edge, c.r, c.w, c.h);
    ASSERT_EQ(r.has_value(), c.docks) << static_cast<int>(c.edge);
    if (r) {
      EXPECT_TRUE(EqualRect(&*r, &c.result)) << r->left << "," << r->top << "," << r->right
                                             << "," << r->bottom;
    }
  }
}

TEST(NavAutoHide, SlidesOutInTenStepsLeavingTwoPixels) {
  EXPECT_EQ(Slide_Out_Steps(Dock_Edge::Left, 100, 1024),
            (std::vector<int>{0, -9, -19, -29, -39, -49, -58, -68, -78, -88, -98}));
  EXPECT_EQ(Slide_Out_Steps(Dock_Edge::Right, 100, 1024),
            (std::vector<int>{922, 932, 942, 952, 962, 972, 982, 992, 1002, 1012, 1022}));
  EXPECT_EQ(Slide_Out_Steps(Dock_Edge::Right, 125, 800).front(), 800 - 125 - 2);
  EXPECT_EQ(Slide_Out_Steps(Dock_Edge::Right, 125, 800)[1], 800 - 112 - 2);  // 9 * 125 / 10
  EXPECT_EQ(Slide_Out_Steps(Dock_Edge::Left, 2, 800), (std::vector<int>(11, 0)));
  EXPECT_EQ(Slide_Back_X(Dock_Edge::Left, 100, 1024), 0);
  EXPECT_EQ(Slide_Back_X(Dock_Edge::Right, 100, 1024), 924);
}

}  // namespace
