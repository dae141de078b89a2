#include <algorithm>

#include <gtest/gtest.h>

#include "LayoutRules.h"

using LayoutRules::Box;
using LayoutRules::Item;

namespace {

const Box kClient{0, 0, 200, 100};

Item Text(const char* name, Box box, int needW = 0, int needH = 0) {
    Item item;
    item.name = name;
    item.box = box;
    item.needW = needW;
    item.needH = needH;
    return item;
}

// A label whose text is drawn at `text`.
Item Label(const char* name, Box box, Box text) {
    Item item = Text(name, box, text.w, text.h);
    item.text = text;
    return item;
}

}  // namespace

TEST(LayoutRules, FindsWhatDoesNotFitAndNothingElse) {
    struct Case {
        const char* what;
        std::vector<Item> children;
        std::vector<std::string> expected;  // the start of each finding
    };
    const std::vector<Case> cases = {
        {"a text exactly its size, touching the edges", {Text("a", {0, 0, 200, 20}, 200, 20)}, {}},
        {"a text one pixel narrow", {Text("a", {0, 0, 99, 20}, 100, 20)}, {"cut text: a"}},
        {"a text one pixel short", {Text("a", {0, 0, 100, 15}, 100, 16)}, {"cut text: a"}},
        {"past the right edge", {Text("a", {150, 0, 51, 20})}, {"outside: a"}},
        {"above the top", {Text("a", {0, -1, 10, 10})}, {"outside: a"}},
        {"past the bottom", {Text("a", {0, 95, 10, 6})}, {"outside: a"}},
        {"side by side, touching", {Text("a", {0, 0, 50, 20}), Text("b", {50, 0, 50, 20})}, {}},
        {"one pixel over", {Text("a", {0, 0, 51, 20}), Text("b", {50, 0, 50, 20})}, {"overlap: a"}},
        {"a word over its button", {Text("button", {10, 10, 80, 30}), Text("word", {30, 18, 40, 14}, 40, 14)}, {}},
        {"a group box around its controls", {Text("group", {0, 20, 200, 80}), Text("check", {8, 40, 100, 20})}, {}},
        {"a control across a group box's edge", {Text("group", {0, 20, 200, 60}), Text("row", {8, 10, 100, 20})},
         {"overlap: group"}},
        {"an empty child overlaps nothing", {Text("a", {0, 0, 50, 20}), Text("b", {10, 10, 0, 0})}, {}},
        {"a label with room beside its field",
         {Label("label", {10, 0, 66, 20}, {10, 0, 60, 16}), Text("field", {76, 0, 80, 20})}, {}},
        {"a label's text running up to its field",
         {Label("label", {10, 0, 66, 20}, {10, 0, 61, 16}), Text("field", {76, 0, 80, 20})},
         {"touching: the text of label"}},
        {"two labels whose boxes meet but not their texts",
         {Label("a", {10, 0, 100, 20}, {10, 0, 40, 16}), Label("b", {110, 0, 60, 20}, {110, 0, 40, 16})}, {}},
        {"a right-aligned text at its field", {Label("label", {10, 0, 90, 20}, {40, 0, 60, 16}),
                                               Text("field", {101, 0, 80, 20})},
         {"touching: the text of label"}},
        {"a field on another line", {Label("label", {10, 0, 62, 16}, {10, 0, 62, 16}), Text("field", {72, 16, 80, 20})},
         {}},
        {"a text at the window's right edge", {Label("label", {100, 0, 100, 20}, {140, 0, 60, 16})},
         {"touching: the text of label"}},
        {"a text at the left edge", {Label("label", {5, 0, 100, 20}, {5, 0, 60, 16})},
         {"touching: the text of label"}},
        {"a text beside a picture", {Label("text", {60, 0, 100, 20}, {60, 0, 60, 16}), [] {
             Item picture = Text("picture", {8, 0, 48, 48});
             picture.picture = true;
             return picture;
         }()},
         {}},
        {"a word filling its picture button",
         {Text("button", {10, 10, 80, 30}), Label("word", {10, 18, 80, 14}, {10, 18, 80, 14})}, {}},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> found = LayoutRules::Check(kClient, c.children);
        ASSERT_EQ(found.size(), c.expected.size()) << c.what << (found.empty() ? "" : ": " + found[0]);
        for (size_t i = 0; i < found.size(); ++i)
            EXPECT_EQ(found[i].rfind(c.expected[i], 0), 0u) << c.what << ": " << found[i];
    }
}

TEST(LayoutRules, DrawnTextMustFitItsBox) {
    EXPECT_TRUE(LayoutRules::CheckDrawn({{"cell", {0, 0, 80, 16}, 80, 16}}).empty());
    EXPECT_EQ(LayoutRules::CheckDrawn({{"cell", {0, 0, 80, 16}, 81, 16}}).size(), 1u);
    EXPECT_EQ(LayoutRules::CheckDrawn({{"cell", {0, 0, 80, 16}, 10, 17}}).size(), 1u);
}

TEST(LayoutRules, FindsACutTextWithAWideGapInside) {
    // '#' a column with ink, '.' a blank one.
    const struct {
        const char* columns;
        size_t found;
    } cases[] = {
        {"..####.##..###..##.##.##......", 0},  // the room left after the text
        {"..####.##..###.........####...", 1},  // the room put into it
        {"..####.##..###....####........", 0},  // as wide as a word gap
        {"..####.##..###.....####.......", 1},  // one column wider
        {"..............................", 0},
    };
    for (const auto& c : cases) {
        std::vector<bool> ink;
        for (const char* p = c.columns; *p != '\0'; ++p)
            ink.push_back(*p == '#');
        const std::vector<std::string> found = LayoutRules::CheckCutGap("switcher", ink, 4);
        ASSERT_EQ(found.size(), c.found) << c.columns;
        for (const std::string& f : found)
            EXPECT_EQ(f.rfind("wide gap: switcher", 0), 0u) << f;
    }
}

namespace {

// A label at (x, y) showing `lines`, each 16 pixels high and 7 pixels a
// character wide.
Item Lines(const char* name, int x, int y, std::vector<std::string> lines) {
    size_t widest = 0;
    for (const std::string& line : lines)
        widest = std::max(widest, line.size());
    const Box text{x, y, static_cast<int>(widest) * 7, static_cast<int>(lines.size()) * 16};
    Item item = Label(name, text, text);
    item.lines = std::move(lines);
    return item;
}

}  // namespace

TEST(LayoutRules, FindsAWordLeftAloneBetweenLongerLinesOfAWrappedText) {
    struct Case {
        const char* what;
        std::vector<Item> labels;
        size_t found;
    };
    const std::vector<Case> cases = {
        {"alone in the middle of one label", {Lines("a", 16, 40, {"The network connection", "has", "been switched"})},
         1},
        {"alone at the end of one label, the text going on below it",
         {Lines("title", 16, 16, {"Confirm"}), Lines("1", 16, 40, {"The network connection has", "been"}),
          Lines("2", 16, 72, {"switched from wireless LAN"}), Lines("3", 16, 88, {"to wired LAN."})},
         1},
        {"the same lines flowed anew",
         {Lines("1", 16, 40, {"The network connection has"}), Lines("2", 16, 56, {"been switched from wireless"}),
          Lines("3", 16, 72, {"LAN to wired LAN."})},
         0},
        {"a word alone on the first or the last line", {Lines("a", 16, 40, {"Connecting", "to the network", "now"})},
         0},
        {"between a one-word line and a longer one", {Lines("a", 16, 40, {"Network:", "Classroom", "Wired LAN"})}, 0},
        {"the next text starts elsewhere",
         {Lines("1", 16, 40, {"The network connection has", "been"}), Lines("2", 40, 72, {"switched from"})}, 0},
        {"the next text stands a line lower",
         {Lines("1", 16, 40, {"The network connection has", "been"}), Lines("2", 16, 88, {"switched from"})}, 0},
        {"a form's column of labels, none wrapped",
         {Lines("1", 16, 40, {"Profile name:"}), Lines("2", 16, 56, {"SSID:"}), Lines("3", 16, 72, {"Key type:"})},
         0},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> found = LayoutRules::Check(Box{0, 0, 400, 200}, c.labels);
        ASSERT_EQ(found.size(), c.found) << c.what << (found.empty() ? "" : ": " + found[0]);
        for (const std::string& f : found)
            EXPECT_EQ(f.rfind("lone word:", 0), 0u) << c.what << ": " << f;
    }
}

TEST(LayoutRules, AFieldShowsItsTextFromItsStartUnlessTheUserTypesInIt) {
    const std::vector<LayoutRules::FieldText> fields = {
        {"from its start", "Riverside Primary Staff Wing 101", 0, false},
        {"scrolled to its end", "Riverside Primary Staff Wing 101", 40, false},
        {"typed into", "Riverside Primary Staff Wing 101", 40, true},
    };
    const std::vector<std::string> found = LayoutRules::CheckFieldStarts(fields);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].rfind("scrolled text: scrolled to its end", 0), 0u) << found[0];
}

TEST(LayoutRules, AFieldNoOneCanTypeInShowsItsTextWhole) {
    // name, text, offset, typing, text width, room, typable
    const std::vector<LayoutRules::FieldText> fields = {
        {"read-only, cut at its edge", "Riverside Primary Staff Wing 101", 0, false, 210, 132, false},
        {"read-only, cut in the middle to fit", "Riverside P\u2026ng 101", 0, false, 132, 132, false},
        {"typable, longer than its room", "Riverside Primary Staff Wing 101", 0, false, 210, 132, true},
        {"read-only and empty", "", 0, false, 0, 132, false},
    };
    const std::vector<std::string> found = LayoutRules::CheckFieldCuts(fields);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].rfind("cut text: read-only, cut at its edge", 0), 0u) << found[0];
}

TEST(LayoutRules, ACutColumnGetsTheRoomOtherColumnsDoNotNeed) {
    struct Case {
        const char* what;
        std::vector<LayoutRules::ListColumn> columns;
        size_t found;
    };
    const LayoutRules::ListColumn cutName{"name", 220, 220, true};
    const std::vector<Case> cases = {
        {"a narrow column with room to spare", {{"show", 80, 43, false}, cutName}, 1},
        {"two of them", {{"show", 80, 43, false}, {"priority", 80, 55, false}, cutName}, 2},
        {"narrow columns with a few pixels more than their texts need",
         {{"show", 50, 43, false}, {"priority", 59, 55, false}, cutName}, 0},
        {"nothing cut", {{"show", 80, 43, false}, {"name", 220, 200, false}}, 0},
        {"a text wider than its column", {{"show", 80, 43, false}, {"name", 220, 260, true}}, 1},
        {"a hidden column", {{"hidden", 0, 26, true}, {"show", 80, 43, false}, {"name", 220, 200, false}}, 0},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> found = LayoutRules::CheckColumnShares(c.columns);
        ASSERT_EQ(found.size(), c.found) << c.what << (found.empty() ? "" : ": " + found[0]);
        for (const std::string& f : found)
            EXPECT_EQ(f.rfind("column room:", 0), 0u) << c.what << ": " << f;
    }
}
