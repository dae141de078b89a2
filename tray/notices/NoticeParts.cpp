#include "NoticeParts.h"

#include <wx/bmpbuttn.h>
#include <wx/stattext.h>

#include "CustomStaticText.h"
#include "PictureLoader.h"

wxBitmap NoticeParts::LoadBackground() {
    return PictureLoader::LoadOrPanel("pic/balloon_background.png", BackgroundSize());
}

wxBitmapButton* NoticeParts::MakeButton(wxWindow* parent, long id, const wxString& name,
                                        const wxPoint& pos) {
    const wxBitmap normal = PictureLoader::LoadOrPanel("pic/button_normal.png", ButtonSize());
    auto* button = new wxBitmapButton(parent, static_cast<wxWindowID>(id), normal, pos,
                                      wxDefaultSize, wxBORDER_NONE | wxBU_AUTODRAW,
                                      wxDefaultValidator, name);
    const wxBitmap disabled = PictureLoader::Load("pic/button_disable.png");
    if (disabled.IsOk())
        button->SetBitmapDisabled(disabled);
    const wxBitmap pressed = PictureLoader::Load("pic/button_down.png");
    if (pressed.IsOk())
        button->SetBitmapPressed(pressed);
    const wxBitmap hover = PictureLoader::Load("pic/button_over.png");
    if (hover.IsOk())
        button->SetBitmapCurrent(hover);
    return button;
}

wxFont NoticeParts::HeadlineFont() {
    return wxFont(11, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD, false, "Arial");
}

CustomStaticText* NoticeParts::MakeLine(wxWindow* parent, long id, const wxString& name, int y) {
    auto* line = new CustomStaticText(parent, static_cast<wxWindowID>(id), wxEmptyString, wxPoint(16, y),
                                      wxDefaultSize, wxTRANSPARENT_WINDOW, name);
    line->SetForegroundColour(HeadlineColour());
    return line;
}

wxStaticText* NoticeParts::MakeWord(wxWindow* parent, long id, const wxString& name, const wxString& word,
                                    const wxPoint& pos) {
    auto* label = new wxStaticText(parent, static_cast<wxWindowID>(id), word, pos, wxDefaultSize, 0, name);
    label->SetForegroundColour(WordColour());
    return label;
}
