#include "ProfileListImages.h"

#include <functional>

#include <wx/dcmemory.h>

#include "PictureLoader.h"

namespace ProfileListImages {

const char* const kIconFiles[ICON_COUNT] = {
    "pic/general.png", "pic/home.png",     "pic/personal.png", "pic/house.png",
    "pic/hospital.png", "pic/building.png", "pic/bucket.png",   "pic/airport.png"};

namespace {

const int kSize = 16;
// Mask colour: a shade none of the drawings uses.
const wxColour kTransparent(255, 0, 255);

wxBitmap Canvas(const std::function<void(wxDC&)>& draw) {
    wxBitmap bitmap(kSize, kSize);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(wxBrush(kTransparent));
        dc.Clear();
        draw(dc);
    }
    bitmap.SetMask(new wxMask(bitmap, kTransparent));
    return bitmap;
}

// A sunken 12 x 12 box centred in the image: grey and black edges at top
// and left, light grey at right and bottom.
wxBitmap CheckBox(bool checked, bool greyed) {
    return Canvas([=](wxDC& dc) {
        const int l = 2, t = 2, r = 13, b = 13;
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(greyed ? wxColour(0xc0, 0xc0, 0xc0) : *wxWHITE));
        dc.DrawRectangle(l, t, 12, 12);
        dc.SetPen(wxPen(wxColour(0x80, 0x80, 0x80)));
        dc.DrawLine(l, t, r, t);
        dc.DrawLine(l, t, l, b);
        dc.SetPen(*wxBLACK_PEN);
        dc.DrawLine(l + 1, t + 1, r - 1, t + 1);
        dc.DrawLine(l + 1, t + 1, l + 1, b - 1);
        dc.SetPen(wxPen(wxColour(0xc0, 0xc0, 0xc0)));
        dc.DrawLine(r, t, r, b + 1);
        dc.DrawLine(l, b, r + 1, b);
        if (!checked)
            return;
        dc.SetPen(wxPen(greyed ? wxColour(0x80, 0x80, 0x80) : *wxBLACK, 2));
        dc.DrawLine(5, 8, 7, 10);
        dc.DrawLine(7, 10, 11, 5);
    });
}

wxBitmap WhiteSquare() {
    return Canvas([](wxDC& dc) {
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(*wxWHITE_BRUSH);
        dc.DrawRectangle(2, 2, 12, 12);
    });
}

}  // namespace

wxImageList* Create() {
    auto* images = new wxImageList(kSize, kSize, true);
    images->Add(CheckBox(false, false));
    images->Add(CheckBox(true, false));
    images->Add(CheckBox(false, true));
    images->Add(CheckBox(true, true));
    images->Add(WhiteSquare());
    for (const char* file : kIconFiles) {
        // A missing picture keeps its place empty, so the indexes hold.
        wxBitmap icon = PictureLoader::Load(file);
        if (!icon.IsOk() || icon.GetWidth() != kSize || icon.GetHeight() != kSize)
            icon = Canvas([](wxDC&) {});
        images->Add(icon);
    }
    return images;
}

wxBitmap WindowIcon() {
    wxBitmap bitmap(32, 32);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(wxBrush(kTransparent));
        dc.Clear();
        dc.SetPen(wxPen(wxColour(0x1d, 0x5a, 0xa3), 2));
        dc.SetBrush(wxBrush(wxColour(0x2f, 0x7f, 0xd8)));
        dc.DrawRoundedRectangle(2, 2, 28, 28, 5);
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(*wxWHITE_BRUSH);
        for (int row = 0; row < 3; ++row) {
            dc.DrawRectangle(7, 8 + row * 6, 4, 4);
            dc.DrawRectangle(13, 9 + row * 6, 12, 2);
        }
    }
    bitmap.SetMask(new wxMask(bitmap, kTransparent));
    return bitmap;
}

}  // namespace ProfileListImages
