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
