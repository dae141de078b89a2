#include "LayoutRules.h"

#include <algorithm>
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

size_t WordCount(const std::string& line) {
    std::istringstream words(line);
    size_t count = 0;
    for (std::string word; words >> word;)
        ++count;
    return count;
}

// The height of one line of a label's text.
int LineHeight(const Item& label) { return label.text.h / static_cast<int>(label.lines.size()); }

}  // namespace

std::vector<std::string> LoneWords(const std::vector<Item>& children) {
    std::vector<const Item*> labels;
    for (const Item& item : children) {
        if (!item.text.Empty() && !item.lines.empty())
            labels.push_back(&item);
    }
    std::stable_sort(labels.begin(), labels.end(), [](const Item* a, const Item* b) { return a->text.y < b->text.y; });
    // Each text: its labels, top to bottom.
    std::vector<std::vector<const Item*>> texts;
    for (const Item* label : labels) {
        auto joins = [label](const std::vector<const Item*>& text) {
            const Item& last = *text.back();
            const int gap = label->text.y - last.text.Bottom();
            return last.text.x == label->text.x && gap >= 0 && gap < LineHeight(last);
        };
        auto text = std::find_if(texts.begin(), texts.end(), joins);
        if (text != texts.end())
            text->push_back(label);
        else
            texts.push_back({label});
    }
    std::vector<std::string> findings;
    for (const auto& text : texts) {
        if (std::none_of(text.begin(), text.end(), [](const Item* l) { return l->lines.size() > 1; }))
            continue;
        std::vector<std::pair<std::string, const Item*>> lines;
        for (const Item* label : text) {
            for (const std::string& line : label->lines)
                lines.emplace_back(line, label);
        }
        for (size_t i = 1; i + 1 < lines.size(); ++i) {
            if (WordCount(lines[i].first) == 1 && WordCount(lines[i - 1].first) > 1 &&
                WordCount(lines[i + 1].first) > 1)
                findings.push_back("lone word: \"" + lines[i].first + "\" of " + lines[i].second->name +
                                   " stands alone between \"" + lines[i - 1].first + "\" and \"" +
                                   lines[i + 1].first + "\"");
        }
    }
    return findings;
}

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
    for (const std::string& f : LoneWords(children))
        findings.push_back(f);
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

std::vector<std::string> CheckCutGap(const std::string& name, const std::vector<bool>& ink, int widestBlank) {
    int blank = 0, widest = 0;
    bool started = false;
    for (const bool drawn : ink) {
        if (drawn) {
            widest = std::max(widest, blank);
            blank = 0;
            started = true;
        } else if (started) {
            ++blank;
        }
    }
    if (widest <= widestBlank)
        return {};
    return {"wide gap: " + name + " leaves " + std::to_string(widest) + " px blank inside its cut text, where its " +
            "words leave at most " + std::to_string(widestBlank)};
}

}  // namespace LayoutRules
