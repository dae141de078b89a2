#ifndef TIDEWAVE_NOTICEPARTS_H
#define TIDEWAVE_NOTICEPARTS_H

#include <wx/bitmap.h>
#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

class CustomStaticText;
class wxBitmapButton;
class wxStaticText;
class wxWindow;

// Pieces shared by the Yes/No and OK notices and the balloons: the picture
// button, the headline font, the notice background.
class NoticeParts {
public:
    // Size of "pic/balloon_background.png" and of the picture buttons, used
    // when a picture is missing.
    static wxSize BackgroundSize() { return wxSize(240, 150); }
    static wxSize ButtonSize() { return wxSize(80, 30); }

    // The notices' background picture as their callers pass it.
    static wxBitmap LoadBackground();

    // A borderless picture button with the normal, disabled, pressed and
    // hover pictures "pic/button_*.png"; the word lies over it separately.
    static wxBitmapButton* MakeButton(wxWindow* parent, long id, const wxString& name,
                                      const wxPoint& pos);

    // A title or content line of a notice: blue, transparent, at (16, y).
    static CustomStaticText* MakeLine(wxWindow* parent, long id, const wxString& name, int y);
    // The word over a picture button, in the button word colour.
    static wxStaticText* MakeWord(wxWindow* parent, long id, const wxString& name, const wxString& word,
                                  const wxPoint& pos);

    // Bold blue "Arial" 11 pt of titles and headlines.
    static wxFont HeadlineFont();
    static wxColour HeadlineColour() { return wxColour(0, 0, 255); }
    // The words over the picture buttons, dark also while another window is
    // active (the theme would grey them).
    static wxColour WordColour() { return wxColour(30, 30, 30); }
};

#endif
