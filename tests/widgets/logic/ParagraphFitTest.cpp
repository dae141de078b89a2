#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ParagraphFit.h"

TEST(ParagraphFit, LinesThatFitStayAndAWideOneFlowsTheWholeText) {
    const auto measure = [](const std::string& s) { return static_cast<int>(s.size()) * 7; };
    using Lines = std::vector<std::string>;
    struct Case {
        const char* what;
        Lines written;
        int width;
        Lines shown;
    };
    const std::vector<Case> cases = {
        {"each fits, an empty line kept", {"Switched to wired LAN.", "", "has been turned off."}, 210,
         {"Switched to wired LAN.", "", "has been turned off."}},
        {"the first too wide: not its last word alone",
         {"The network connection has been", "switched from wireless LAN", "to wired LAN."}, 210,
         {"The network connection has", "been switched from wireless", "LAN to wired LAN."}},
        // Filled from the start, the second line would hold "ccccccc" alone.
        {"a lone word avoided at the same count of lines", {"aaaaaa b ccccccc dddd e"}, 70,
         {"aaaaaa", "b ccccccc", "dddd e"}},
        {"an empty line has no place in the flow", {"aaaa bbbb cccc dddd", "", "ee"}, 105,
         {"aaaa bbbb cccc", "dddd ee"}},
        {"more lines than written", {"one two three four five six seven"}, 70,
         {"one two", "three four", "five six", "seven"}},
        {"a word wider than a line breaks within", {"to WWWWWWWWWWWW now"}, 70, {"to", "WWWWWWWWWW", "WW now"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParagraphFit::Flow(c.written, c.width, measure), c.shown) << c.what;
}
