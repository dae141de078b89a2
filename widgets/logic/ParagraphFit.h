#ifndef TIDEWAVE_PARAGRAPHFIT_H
#define TIDEWAVE_PARAGRAPHFIT_H

#include <functional>
#include <string>
#include <vector>

// How the lines of a notice's text fit the notice: lines that each fit stay
// as they are written; when one is too wide, the words of all of them flow
// again as one paragraph, in their order, so that no line is broken alone
// and leaves a word by itself between longer lines.  Plain arithmetic, so it
// can be checked without a window.
namespace ParagraphFit {

// The lines to show for the text written as `lines` (UTF-8) in a room
// `width` wide, as `measure` gives widths.  Each line that fits: `lines`
// unchanged.  Else the paragraph over as few lines as it takes (so a
// notice keeps its size wherever the text allows), with no line of one
// word between the first and the last where another break avoids it, and
// of lines as even as may be.  A word wider than the room breaks within
// (TextFit::Wrap).
std::vector<std::string> Flow(const std::vector<std::string>& lines, int width,
                              const std::function<int(const std::string&)>& measure);

}  // namespace ParagraphFit

#endif
