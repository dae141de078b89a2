#include "TextFit.h"

#include <algorithm>

#include "Graphemes.h"

namespace TextFit {

namespace {

bool BreaksAfter(char c) { return c == '-' || c == '_' || c == '.'; }

// The pieces of a word too wide for one line, each no wider than `width`
// (but one character).
std::vector<std::string> BreakWord(const std::string& word, int width,
                                   const std::function<int(const std::string&)>& measure) {
    const Graphemes chars(word);
    std::vector<std::string> pieces;
    size_t first = 0;
    while (first < chars.Count()) {
        size_t end = first + 1;  // characters [first, end) fit
        while (end < chars.Count() && measure(chars.Slice(first, end + 1)) <= width)
            ++end;
        if (end < chars.Count()) {
            for (size_t at = end; at > first + 1; --at) {
                if (BreaksAfter(word[chars.At(at) - 1])) {
                    end = at;
                    break;
                }
            }
        }
        pieces.push_back(chars.Slice(first, end));
        first = end;
    }
    return pieces;
}

}  // namespace

std::vector<std::string> Wrap(const std::string& text, int width,
                              const std::function<int(const std::string&)>& measure) {
    if (measure(text) <= width)
        return {text};
    const std::vector<std::string> words = Graphemes(text).Words();
    std::vector<std::string> lines;
    std::string line;
    for (const std::string& word : words) {
        if (measure(word) > width) {
            if (!line.empty())
                lines.push_back(line);
            std::vector<std::string> pieces = BreakWord(word, width, measure);
            line = pieces.back();
            pieces.pop_back();
            lines.insert(lines.end(), pieces.begin(), pieces.end());
            continue;
        }
        const std::string longer = line.empty() ? word : line + " " + word;
        if (line.empty() || measure(longer) <= width) {
            line = longer;
        } else {
            lines.push_back(line);
            line = word;
        }
    }
    if (!line.empty() || lines.empty())
        lines.push_back(line);
    return lines;
}

std::string MiddleCut(const std::string& text, int width, const std::function<int(const std::string&)>& measure,
                      const std::string& ellipsis) {
    // An empty text has nothing to cut, however narrow (a column dragged
    // narrow gives a negative width).
    if (text.empty() || measure(text) <= width)
        return text;
    const Graphemes chars(text);
    const size_t count = chars.Count();
    for (size_t kept = count - 1; kept > 0; --kept) {
        const size_t tail = kept / 2;
        const std::string cut = chars.Without(kept - tail, count - tail, ellipsis);
        if (measure(cut) <= width)
            return cut;
    }
    return ellipsis;
}

std::string CutInWidestWord(const std::string& text, int width,
                            const std::function<int(const std::string&)>& measure, const std::string& ellipsis) {
    if (text.empty() || measure(text) <= width)
        return text;
    const Graphemes chars(text);
    const long count = static_cast<long>(chars.Count());
    const auto blank = [&](long n) { return chars.IsBlank(static_cast<size_t>(n)); };
    const auto dot = [&](long n) { return chars.IsBlank(static_cast<size_t>(n), "."); };
    // The widest word, as characters [first, end).
    long wordFirst = 0, wordEnd = count;
    int widest = -1;
    for (long first = 0; first < count;) {
        long end = first;
        while (end < count && !blank(end))
            ++end;
        if (end > first) {
            const int w = measure(chars.Slice(static_cast<size_t>(first), static_cast<size_t>(end)));
            if (w > widest) {
                widest = w;
                wordFirst = first;
                wordEnd = end;
            }
        }
        first = end + 1;
    }
    // Dots after a name ("Applying profile <name>...") are no part of it.
    while (wordEnd > wordFirst + 1 && dot(wordEnd - 1))
        --wordEnd;
    // Characters [from, from + gone) give way to the ellipsis, centred on the
    // word's middle (the start keeps the odd character) and within the text.
    for (long gone = 1; gone <= count; ++gone) {
        const long from = std::clamp((wordFirst + wordEnd - gone + 1) / 2, 0L, count - gone);
        const std::string cut = chars.Without(static_cast<size_t>(from), static_cast<size_t>(from + gone), ellipsis);
        if (measure(cut) <= width)
            return cut;
    }
    return ellipsis;
}

std::vector<int> Stack(const std::vector<Row>& rows, int& extra) {
    std::vector<int> tops;
    extra = 0;
    for (const Row& row : rows) {
        int shift = 0;
        for (const Row& above : rows) {
            if (above.grow > 0 && above.top + above.height <= row.top)
                shift += above.grow;
        }
        tops.push_back(row.top + shift);
        extra = std::max(extra, shift + row.grow);
    }
    return tops;
}

}  // namespace TextFit
