#include "TextFit.h"

#include <algorithm>

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
