#include "ParagraphFit.h"

#include <algorithm>
#include <limits>
#include <tuple>

#include "Graphemes.h"
#include "TextFit.h"

namespace ParagraphFit {

namespace {

std::string Join(const std::vector<std::string>& words, size_t first, size_t end) {
    std::string line;
    for (size_t i = first; i < end; ++i)
        line += (i > first ? " " : "") + words[i];
    return line;
}

// What a layout of the words from one on costs, compared in this order:
// its lines, its lines of one word between the first and the last, and the
// squares of the room left at the end of each line but the last.
using Cost = std::tuple<size_t, size_t, long long>;

}  // namespace

std::vector<std::string> Flow(const std::vector<std::string>& lines, int width,
                              const std::function<int(const std::string&)>& measure) {
    if (std::all_of(lines.begin(), lines.end(), [&](const std::string& l) { return measure(l) <= width; }))
        return lines;
    std::vector<std::string> words;
    for (const std::string& line : lines) {
        const std::vector<std::string> more = Graphemes(line).Words(" \t\n\v\f\r");
        words.insert(words.end(), more.begin(), more.end());
    }
    const size_t n = words.size();
    if (n == 0 || std::any_of(words.begin(), words.end(), [&](const std::string& w) { return measure(w) > width; }))
        return TextFit::Wrap(Join(words, 0, n), width, measure);

    // best[i]: the cheapest layout of words [i, n), whose first line ends
    // before word next[i].
    const Cost none{std::numeric_limits<size_t>::max(), 0, 0};
    std::vector<Cost> best(n + 1, none);
    std::vector<size_t> next(n + 1, n);
    best[n] = Cost{0, 0, 0};
    for (size_t i = n; i-- > 0;) {
        for (size_t end = i + 1; end <= n; ++end) {
            const int used = measure(Join(words, i, end));
            if (used > width)
                break;
            const bool last = end == n;
            const bool lone = end - i == 1 && i > 0 && !last;
            const long long room = last ? 0 : static_cast<long long>(width - used);
            const auto& [restLines, restLone, restRoom] = best[end];
            const Cost cost{restLines + 1, restLone + (lone ? 1 : 0), restRoom + room * room};
            if (cost < best[i]) {
                best[i] = cost;
                next[i] = end;
            }
        }
    }
    std::vector<std::string> flowed;
    for (size_t i = 0; i < n; i = next[i])
        flowed.push_back(Join(words, i, next[i]));
    return flowed;
}

}  // namespace ParagraphFit
