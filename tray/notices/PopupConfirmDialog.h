#ifndef TIDEWAVE_POPUPCONFIRMDIALOG_H
#define TIDEWAVE_POPUPCONFIRMDIALOG_H

#include <wx/bitmap.h>
#include <wx/dialog.h>
#include <wx/timer.h>

#include "PictureTextFit.h"

class CustomStaticText;
class wxBitmapButton;
class wxStaticText;

// The OK notice at the top right of the screen: the look of the Yes/No
// question with a single "OK" button.  Shown modeless it hides itself 10
// seconds after it was last shown, or at once on OK, and is kept for reuse.
// Run modal it answers wxID_OK for OK and wxID_CANCEL for the time-out.
class PopupConfirmDialog : public wxDialog {
public:
    static const int kClosePeriodMs = 10000;

    static const long ID_STATICTEXT_TITLE;
    static const long ID_STATICTEXT_CONTENT_LINE1;
    static const long ID_STATICTEXT_CONTENT_LINE2;
    static const long ID_STATICTEXT_CONTENT_LINE3;
    static const long ID_BTN_OK;
    static const long ID_TIMER_CLOSE;
    static const long ID_STATICTEXTOK;

    PopupConfirmDialog(wxWindow* parent, const wxBitmap& background, wxWindowID id);
    ~PopupConfirmDialog() override;

    void SetTitleText(const wxString& text);
    void SetContentLine1(const wxString& text);
    void SetContentLine2(const wxString& text);
    void SetContentLine3(const wxString& text);

    int ShowModal() override;
    void EndModal(int retCode) override;
    // Fits the lines to the background before showing (PictureTextFit).
    bool Show(bool show = true) override;

    bool IsCloseTimerRunning() const { return m_timer.IsRunning(); }

protected:
    void OnButton(wxCommandEvent& event);
    void OnTimer(wxTimerEvent& event);
    void PlaceAndStartTimer(wxInitDialogEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnCreate(wxWindowCreateEvent& event);
    void SetWindowShape();

private:
    wxBitmapButton* m_pBtnOk;
    wxBitmap m_bmpBackground;
    wxBitmap m_picture;  // as given; m_bmpBackground is it fitted to the lines
    PictureTextFit m_fit;
    CustomStaticText* m_pTitle;
    CustomStaticText* m_pLine1;
    CustomStaticText* m_pLine2;
    CustomStaticText* m_pLine3;
    wxStaticText* m_pLabelOk;
    wxTimer m_timer;

    wxDECLARE_EVENT_TABLE();
};

#endif
