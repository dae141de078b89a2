#ifndef TIDEWAVE_NOTICEDIALOG_H
#define TIDEWAVE_NOTICEDIALOG_H

#include <wx/bitmap.h>
#include <wx/dialog.h>
#include <wx/timer.h>

#include "PictureTextFit.h"

class CustomStaticText;

// The window the Yes/No and OK notices are made of: a shaped picture window
// at the top right of the screen (below the notices on show there) with a
// bold title and three lines, and the timer that closes it.  What is closed
// when, and by which buttons, is up to the notice made of it.
class NoticeDialog : public wxDialog {
public:
    static const int kClosePeriodMs = 10000;

    static const long ID_STATICTEXT_TITLE;
    static const long ID_STATICTEXT_CONTENT_LINE1;
    static const long ID_STATICTEXT_CONTENT_LINE2;
    static const long ID_STATICTEXT_CONTENT_LINE3;
    static const long ID_TIMER_CLOSE;

    ~NoticeDialog() override;

    void SetTitleText(const wxString& text);
    void SetContentLine1(const wxString& text);
    void SetContentLine2(const wxString& text);
    void SetContentLine3(const wxString& text);

    // Stops the close timer.
    void EndModal(int retCode) override;
    // Fits the lines to the background before showing (PictureTextFit).
    bool Show(bool show = true) override;

    bool IsCloseTimerRunning() const { return m_timer.IsRunning(); }

protected:
    NoticeDialog(wxWindow* parent, const wxBitmap& background, wxWindowID id);

    // One shot of kClosePeriodMs; started again, it counts from now.
    void StartCloseTimer() { m_timer.Start(kClosePeriodMs, wxTIMER_ONE_SHOT); }
    void StopCloseTimer() { m_timer.Stop(); }

    // Called each time the notice is shown, just before it takes its place.
    // Nothing here.
    virtual void Showing() {}
    // The close timer ran out while no modal loop runs (a modal loop ends
    // with wxID_CANCEL).  Nothing here.
    virtual void TimedOutModeless() {}

private:
    void OnTimer(wxTimerEvent& event);
    void PlaceWindow(wxInitDialogEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnCreate(wxWindowCreateEvent& event);
    void SetWindowShape();

    wxBitmap m_bmpBackground;
    wxBitmap m_picture;  // as given; m_bmpBackground is it fitted to the lines
    PictureTextFit m_fit;
    CustomStaticText* m_pTitle;
    CustomStaticText* m_pLine1;
    CustomStaticText* m_pLine2;
    CustomStaticText* m_pLine3;
    wxTimer m_timer;

    wxDECLARE_EVENT_TABLE();
};

#endif
