#ifndef TIDEWAVE_NOTICETESTSUPPORT_H
#define TIDEWAVE_NOTICETESTSUPPORT_H

#include <wx/colour.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

#include "GuiTestSupport.h"

class wxFrame;
class wxWindow;

// Window tests of the notices: the program folder points at the built
// pictures, and a plain full-screen backdrop stands behind every window so
// that what is cut out of a shaped window shows the backdrop's colour.
class NoticeTest : public GuiTest {
protected:
    static const wxColour kBackdrop;

    void SetUp() override;
    void TearDown() override;

    // The colour the X server shows at a screen position.
    static wxColour ScreenPixel(int x, int y);
    // The control named `name` among the children of `window` (fails the
    // test when there is none).
    static wxWindow* Child(wxWindow* window, const wxString& name);
    // Label of the text control named `name`, as shown (mnemonics unescaped).
    static wxString TextOf(wxWindow* window, const wxString& name);
    // A click on the button named `name`, as the toolkit reports it.
    static void Click(wxWindow* window, const wxString& name);

private:
    wxFrame* m_backdrop = nullptr;
};

#endif
