#include "Pointer.h"

#include <wx/uiaction.h>
#include <wx/utils.h>
#include <wx/window.h>

#include "GuiTestSupport.h"

namespace Pointer {

bool MoveTo(wxWindow* window, const wxPoint& at) {
    const wxPoint target = window->ClientToScreen(at);
    wxUIActionSimulator pointer;
    pointer.MouseMove(target);
    return RunEventLoopUntil([&] { return wxGetMousePosition() == target; });
}

bool Click(wxWindow* window, const wxPoint& at, bool doubleClick) {
    if (!MoveTo(window, at))
        return false;
    wxUIActionSimulator pointer;
    if (doubleClick)
        pointer.MouseDblClick();
    else
        pointer.MouseClick();
    RunEventLoopFor(50);
    return true;
}

}  // namespace Pointer
