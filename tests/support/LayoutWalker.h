#ifndef TIDEWAVE_LAYOUTWALKER_H
#define TIDEWAVE_LAYOUTWALKER_H

#include <string>
#include <vector>

class wxWindow;

// The layout check over a window as it is shown: walks it and every visible
// child window and hands each window's children to LayoutRules.  Besides
// the controls it measures the cells of report lists against their columns
// and the rows of list boxes against their width, compares a report list's
// heading row with a fresh painting of it (headings that did not follow the
// rows' scroll), and checks that a drop-down shows its text from the start.
// Each finding names the window's path ("<top>/<child>/...").
namespace LayoutWalker {

std::vector<std::string> Check(wxWindow* top);

// The margin that a window cut from a picture (wxFRAME_SHAPED) keeps free
// for the picture's rounded frame: nothing of its own may lie there.
constexpr int kPictureFrame = 6;

}  // namespace LayoutWalker

#endif
