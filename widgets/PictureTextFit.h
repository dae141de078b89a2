#ifndef TIDEWAVE_PICTURETEXTFIT_H
#define TIDEWAVE_PICTURETEXTFIT_H

#include <map>
#include <utility>
#include <vector>

#include <wx/bitmap.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

class CustomStaticText;
class wxWindow;

// Fits the texts of a window drawn from a picture (balloon, notice) to the
// picture: a text (CustomStaticText) that would run into the picture's frame
// is broken into lines (TextFit::Wrap), what stands below it moves down, and
// the window and its picture grow by as much (the picture's middle row is
// repeated).  The window keeps the picture's width.  Each fit starts again from the layout
// the window had at its first fit, so texts may change between fits.
// The lines of a notice's text fit as one paragraph (SetParagraph).
class PictureTextFit {
public:
    // The room a text leaves free on the picture's right: the frame line
    // (its last 2 pixels) and 10 pixels of the picture before it.  A word
    // too wide for the rest of its line (a network name without spaces)
    // breaks within, so no text runs into the frame.
    static constexpr int kFrameMargin = 12;

    // Lays out `window`'s children for their texts and sizes the window;
    // returns the picture to paint and to cut the window's outline from.
    wxBitmap Fit(wxWindow* window, const wxBitmap& picture);

    // `lines`, top to bottom, are the lines of one text: shown as they are
    // written while each fits, else the text flows over them as one
    // paragraph (ParagraphFit), a line each, the last taking any more lines
    // it needs.
    void SetParagraph(std::vector<CustomStaticText*> lines) { m_paragraph = std::move(lines); }

    // `picture` with its middle row repeated `extra` times.
    static wxBitmap Stretch(const wxBitmap& picture, int extra);

private:
    // What each line of the paragraph shows on a picture `pictureWidth` wide.
    std::map<wxWindow*, wxString> FlowParagraph(int pictureWidth) const;

    std::vector<std::pair<wxWindow*, wxRect>> m_layout;
    std::vector<CustomStaticText*> m_paragraph;
};

#endif
