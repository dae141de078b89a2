#ifndef TIDEWAVE_LAYOUTRULES_H
#define TIDEWAVE_LAYOUTRULES_H

#include <string>
#include <vector>

// The geometry of the layout check, without windows: the children of one
// window as rectangles in, what does not fit out.
namespace LayoutRules {

struct Box {
    int x = 0, y = 0, w = 0, h = 0;
    int Right() const { return x + w; }
    int Bottom() const { return y + h; }
    bool Empty() const { return w <= 0 || h <= 0; }
    bool Contains(const Box& other) const;
    bool Overlaps(const Box& other) const;
};

// One visible child, in its parent's client coordinates.
struct Item {
    std::string name;
    Box box;
    // What its text needs (the toolkit's best size), for a child that shows a
    // text of its own; 0 x 0 for one that does not.
    int needW = 0, needH = 0;
    // Where a label draws its text, in the same coordinates; empty for a
    // child that draws none itself.
    Box text;
    // A picture: its box holds the picture's own margin, so a text may
    // come close to it.
    bool picture = false;
    // The lines a label shows, top to bottom (its text at its line breaks);
    // none for a child that draws no text itself.
    std::vector<std::string> lines;
};

// The room a label's text keeps from its window's edges and from the
// controls beside it; closer, it reads as touching them.
constexpr int kTextGap = 6;

// One text that a window draws itself (a list cell, a drawn label): the
// box it is given and the extent of the text in its font.
struct DrawnText {
    std::string name;
    Box box;
    int textW = 0, textH = 0;
};

// The findings for the visible children of one window whose client area is
// `client` (0, 0, width, height), each a line naming the child:
//  - a text narrower or shorter than what it needs (cut text);
//  - a child not wholly inside the client area;
//  - two children that overlap, unless one lies wholly inside the other
//    (a word over a picture button, the controls of a group box);
//  - a label's text closer than kTextGap to the client area's left or right
//    edge, or to a child beside it on the same line (to the text of a label
//    beside it; pictures aside; a word inside a picture button may fill it);
//  - a lone word in a wrapped text: a line of one word between two lines of
//    several (see LoneWords).
std::vector<std::string> Check(const Box& client, const std::vector<Item>& children);

// The labels among `children` that read as one text (their texts start at
// the same left edge, each below the one before it by less than that one's
// line height), where one of them at least shows more than one line (a
// wrapped text): each line of a single word that stands between two lines
// of several words.  Labels stacked as a form's column, none of them
// wrapped, are not a text.
std::vector<std::string> LoneWords(const std::vector<Item>& children);

// A drawn text that does not fit its box, in width or height.
std::vector<std::string> CheckDrawn(const std::vector<DrawnText>& texts);

// A text cut to its field, as drawn: `ink` tells for each column of the
// field whether something is drawn in it.  A blank inside the text (between
// its first and last ink) wider than `widestBlank`, the widest its own word
// gaps leave, is a wide gap: the room the cut left was put into the text
// instead of after it.
std::vector<std::string> CheckCutGap(const std::string& name, const std::vector<bool>& ink, int widestBlank);

// A single-line text field: how far its shown text is scrolled in from the
// text's start, in pixels, and whether the user types in it (it has the
// keyboard focus and takes input), where the text follows the cursor; the
// width of its text and of the room the field draws it in, and whether the
// user can type in it at all (it is neither read-only nor disabled).
struct FieldText {
    std::string name;
    std::string text;
    int offset = 0;
    bool typing = false;
    int textW = 0;
    int room = 0;
    bool typable = true;
};

// A field that the user is not typing in and that shows its text from
// other than its start (a name shown by its end reads as another name).
std::vector<std::string> CheckFieldStarts(const std::vector<FieldText>& fields);

// A field that no one can type in whose text is wider than its room: it is
// cut at the field's edge with no sign of the cut, and no cursor can bring
// the rest into view (a text shown that way is to be cut with "…" to fit).
std::vector<std::string> CheckFieldCuts(const std::vector<FieldText>& fields);

// One column of a report list: its width, the width its widest text needs
// (heading or cell, with the cell's margins and picture), and whether one
// of its texts is cut (shown with the cut mark or wider than the column).
struct ListColumn {
    std::string name;
    int width = 0;
    int need = 0;
    bool cut = false;
};

// Room beyond a column's widest text that counts as spare: about a
// character of the desktop's font.
constexpr int kSpareColumnRoom = 8;

// A column whose text is cut while another column of the same list keeps
// kSpareColumnRoom or more beyond its widest text: that room belongs to the
// cut column.  A column of no width is hidden, and neither cut nor spare.
std::vector<std::string> CheckColumnShares(const std::vector<ListColumn>& columns);

}  // namespace LayoutRules

#endif
