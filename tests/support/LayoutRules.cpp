#include "LayoutRules.h"

#include <sstream>

namespace LayoutRules {

bool Box::Contains(const Box& other) const {
    return other.x >= x && other.y >= y && other.Right() <= Right() && other.Bottom() <= Bottom();
}

bool Box::Overlaps(const Box& other) const {
    return !Empty() && !other.Empty() && other.x < Right() && x < other.Right() && other.y < Bottom() &&
           y < other.Bottom();
}

namespace {

std::string Describe(const Box& b) {
    std::ostringstream out;
    out << b.w << "x" << b.h << "+" << b.x << "+" << b.y;
    return out.str();
}

}  // namespace

std::vector<std::string> Check(const Box& client, const std::vector<Item>& children) {
    std::vector<std::string> findings;
    for (const Item& item : children) {
        if (item.box.w < item.needW || item.box.h < item.needH) {
            findings.push_back("cut text: " + item.name + " is " + std::to_string(item.box.w) + "x" +
                               std::to_string(item.box.h) + ", its text needs " + std::to_string(item.needW) +
                               "x" + std::to_string(item.needH));
        }
        if (!client.Contains(item.box))
            findings.push_back("outside: " + item.name + " at " + Describe(item.box) + " leaves its parent's " +
                               Describe(client));
    }
    for (const Item& item : children) {
        const Box& t = item.text;
        if (t.Empty())
            continue;
        if (t.x - client.x < kTextGap || client.Right() - t.Right() < kTextGap)
            findings.push_back("touching: the text of " + item.name + " at " + Describe(t) +
                               " reaches the edge of its parent's " + Describe(client));
        for (const Item& other : children) {
            if (&other == &item || other.picture || other.box.Contains(item.box) || item.box.Contains(other.box))
                continue;
            const Box& o = other.text.Empty() ? other.box : other.text;
            if (o.Empty())
                continue;
            const bool sameLine = o.y < t.Bottom() && t.y < o.Bottom();
            const int gap = o.x >= t.Right() ? o.x - t.Right() : t.x - o.Right();
            if (sameLine && gap >= 0 && gap < kTextGap)
                findings.push_back("touching: the text of " + item.name + " at " + Describe(t) + " and " +
                                   other.name + " at " + Describe(o));
        }
    }
    for (size_t i = 0; i < children.size(); ++i) {
        for (size_t j = i + 1; j < children.size(); ++j) {
            const Box& a = children[i].box;
            const Box& b = children[j].box;
            if (a.Overlaps(b) && !a.Contains(b) && !b.Contains(a))
                findings.push_back("overlap: " + children[i].name + " at " + Describe(a) + " and " +
                                   children[j].name + " at " + Describe(b));
        }
    }
    return findings;
}

std::vector<std::string> CheckDrawn(const std::vector<DrawnText>& texts) {
    std::vector<std::string> findings;
    for (const DrawnText& t : texts) {
        if (t.textW > t.box.w || t.textH > t.box.h)
            findings.push_back("cut text: " + t.name + " is drawn in " + std::to_string(t.box.w) + "x" +
                               std::to_string(t.box.h) + ", its text needs " + std::to_string(t.textW) + "x" +
                               std::to_string(t.textH));
    }
    return findings;
}

}  // namespace LayoutRules
