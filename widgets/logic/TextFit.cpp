#include "TextFit.h"

#include <algorithm>

#include "Utf8Text.h"

namespace TextFit {

std::vector<std::string> Wrap(const std::string& text, int width,
                              const std::function<int(const std::string&)>& measure) {
    if (measure(text) <= width)
        return {text};
    std::vector<std::string> words;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t space = text.find(' ', start);
        const size_t end = space == std::string::npos ? text.size() : space;
        if (end > start)
            words.push_back(text.substr(start, end - start));
        if (space == std::string::npos)
            break;
        start = space + 1;
    }
    std::vector<std::string> lines;
    std::string line;
    for (const std::string& word : words) {
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
    if (measure(text) <= width)
        return text;
    // Where each character starts; a byte that begins no valid sequence
    // counts as a character of its own.
    std::vector<size_t> starts;
    for (size_t i = 0; i < text.size();) {
        starts.push_back(i);
        i += std::max<size_t>(Utf8Text::SequenceLength(text, i), 1);
    }
    const size_t count = starts.size();
    const auto start = [&](size_t chars) { return chars < count ? starts[chars] : text.size(); };
    for (size_t kept = count - 1; kept > 0; --kept) {
        const size_t tail = kept / 2;
        const std::string cut = text.substr(0, start(kept - tail)) + ellipsis + text.substr(start(count - tail));
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
