#pragma once

// The navigation bar's decisions, apart from its windows: reading the link lists and the
// Internet shortcut files, the tips of links, where the bar goes while it is moved, sized and
// docked at a screen edge, and the steps of sliding it out of sight.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// --- link lists ("\urls.lst", "\others.lst") ---

// The line buffer of a link list: a longer line is read as several lines.
constexpr size_t kLinkListLineBuffer = 2047;
// A line shorter than this (after trimming) carries nothing.
constexpr size_t kLinkListShortestLine = 4;

struct Link_Item {
  std::string caption, address, tip;
};
struct Link_Group {
  std::string name;
  std::vector<Link_Item> items;
};

// The lines a text-mode read with a buffer of `buffer` bytes hands over: CR LF read as LF,
// each piece at most buffer - 1 bytes and ending after its LF; the LF is kept.
std::vector<std::string> Read_Text_Lines(const std::string& bytes, size_t buffer);
// Leading and trailing blanks, tabs and line ends taken off.
std::string Trim_Line(const std::string& line);
// One item line ("caption;address;tip", the tip optional); none without ";".
std::optional<Link_Item> Parse_Link_Item(const std::string& trimmedLine);
// The groups of a list file in the file's order, each with its items in the file's order.
// An item line before the first header belongs to no group and is skipped.
std::vector<Link_Group> Parse_Link_List(const std::string& bytes);

// --- Internet shortcut files (".url") ---

constexpr size_t kShortcutLineBuffer = 1023;
// The address of the "URL=" line that directly follows a line "[InternetShortcut]"; none
// when the file has no such pair.
std::optional<std::string> Parse_Internet_Shortcut(const std::string& bytes);

// --- tips ---

// The tool tip of a link of the outlook bar: its tip, a line break and its address, or the
// address alone when the tip is empty.
std::string Link_Tip(const std::string& tip, const std::string& address);
// The info tip of a link in the other-links tree: its tip (its caption when the tip is empty),
// a line break and its address.
std::string Other_Link_Tip(const std::string& caption, const std::string& tip,
                           const std::string& address);
// The info tip of a favourite: its name, a line break and its address.
std::string Favorite_Tip(const std::string& name, const std::string& address);
// The longest tip the bar hands over by pointer; texts beyond it are cut.
constexpr size_t kLongTipLimit = 1024;
// Text that fits a buffer of `buffer` bytes with its terminating zero, cut on a character
// boundary of the code-page-936 text; empty for a buffer of 0 or 1.
std::string Fit_Buffer(const std::string& text, size_t buffer);

// --- docking ---

// Application-bar edges; only left and right are ever chosen.
enum class Dock_Edge : int { None = -1, Left = 0, Top = 1, Right = 2, Bottom = 3 };

// The screen is split at half its width.
bool On_Left_Half(int x, int screenWidth);
// The dragged rectangle while the bar is moved: its width kept, pushed against the edge of the
// cursor's half, its top and bottom those of the window now.
RECT Moving_Rect(const RECT& dragged, const RECT& current, int cursorX, int screenWidth);
// The rectangle while the bar is sized from `side` (a WMSZ_ value): the proposed one when the
// inner border of the cursor's half moves, else the window's current one.
RECT Sizing_Rect(int side, const RECT& proposed, const RECT& current, int cursorX,
                 int screenWidth);
// The edge a window at `r` docks to when a move or size ends: left when its left edge is at
// or beyond the screen's, right when its right edge is, else none.
Dock_Edge Edge_After_Move(const RECT& r, int screenWidth);
// Docking to a rectangle: first the rectangle the shell is asked about (full height at the
// left or right edge, full width otherwise) with the size to keep, then, from the shell's
// answer, the rectangle cut back to that size from the docked side.
struct Dock_Query {
  RECT asked;
  int keep;  // width at the left or right edge, height otherwise
};
Dock_Query Dock_Query_Rect(Dock_Edge edge, const RECT& r, int screenWidth, int screenHeight);
RECT Dock_Cut(Dock_Edge edge, const RECT& answered, int keep);
// The frame's hit-test answer while docked at `edge`: the inner sizing border, the close box
// and the caption pass; everything else becomes the client area.
LRESULT Docked_Hit(Dock_Edge edge, LRESULT defaultHit);
// The window's rectangle after the screen became w x h while docked at `edge`, before docking
// again (none when not docked at the left or right).
std::optional<RECT> Display_Change_Rect(Dock_Edge edge, const RECT& r, int screenWidth,
                                        int screenHeight);

// --- auto-hide ---

// The two pixels of the bar that stay on the screen once it slid out.
constexpr int kSlidOutStrip = 2;
constexpr int kSlideSteps = 10;
constexpr DWORD kSlidePauseMs = 10;
// The window's left edge at each step of sliding out from `edge` (ten steps and the last
// move), for a bar `width` wide on a screen `screenWidth` wide.
std::vector<int> Slide_Out_Steps(Dock_Edge edge, int width, int screenWidth);
// The window's left edge when it comes back at its edge.
int Slide_Back_X(Dock_Edge edge, int width, int screenWidth);
