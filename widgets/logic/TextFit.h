#ifndef TIDEWAVE_TEXTFIT_H
#define TIDEWAVE_TEXTFIT_H

#include <functional>
#include <string>
#include <vector>

// How the texts of a picture window (balloon or notice) fit its picture:
// a text that would run past the picture's inner edge is broken into lines
// at spaces (a word too wide for a line of its own, such as a network name
// without spaces, within the word), and what stands below a text that grew
// moves down with it.  Plain arithmetic, so it can be checked without a
// window.
namespace TextFit {

// Breaks `text` into lines no wider than `width` as `measure` gives widths
// (UTF-8 in), at spaces.  A word wider than `width` starts a line of its own
// and is broken within: after the last hyphen, underscore or dot that leaves
// a fitting piece, else after the last whole character that fits (one
// character a line at least).  A text that fits stays one line.  Characters
// here and below are those a reader sees (Graphemes): no break or cut
// parts an accent from its letter or the pieces of one emoji.
std::vector<std::string> Wrap(const std::string& text, int width,
                              const std::function<int(const std::string&)>& measure);

// The mark of a text cut in the middle.
inline const char* const kEllipsis = "\u2026";

// `text` (UTF-8) whole when it fits `width` as `measure` gives widths, else
// cut in the middle with `ellipsis`, keeping as much of its start and of its
// end as fits (the start gets the odd character), so that names that differ
// only at the end stay apart.  Cuts fall between characters; the ellipsis
// alone when nothing else fits.  An empty text stays empty.
std::string MiddleCut(const std::string& text, int width, const std::function<int(const std::string&)>& measure,
                      const std::string& ellipsis = kEllipsis);

// `text` whole when it fits, else cut with `ellipsis` in the middle of its
// widest word (the name in "Connecting to <name> ..."), as little as makes
// it fit: where the word alone is not enough the cut reaches into the words
// beside it.  Cuts fall between characters; the ellipsis alone when nothing
// else fits.  An empty text stays empty.
std::string CutInWidestWord(const std::string& text, int width,
                            const std::function<int(const std::string&)>& measure,
                            const std::string& ellipsis = kEllipsis);

struct Row {
    int top = 0;     // where the child stands in the picture's own layout
    int height = 0;  // its height there
    int grow = 0;    // how much taller its text made it
};

// The new top of each row: moved down by the growth of every row that ends
// at or above its top; `extra` is how much the window must grow.
std::vector<int> Stack(const std::vector<Row>& rows, int& extra);

}  // namespace TextFit

#endif
