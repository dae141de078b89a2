#include "PictureTextFit.h"

#include <algorithm>
#include <string>

#include <wx/image.h>
#include <wx/window.h>

#include "CustomStaticText.h"
#include "TextFit.h"

wxBitmap PictureTextFit::Fit(wxWindow* window, const wxBitmap& picture) {
    if (!picture.IsOk())
        return picture;
    if (m_layout.empty()) {
        for (wxWindow* child : window->GetChildren()) {
            if (!child->IsTopLevel())
                m_layout.emplace_back(child, child->GetRect());
        }
    }
    std::vector<TextFit::Row> rows;
    for (const auto& [child, original] : m_layout) {
        TextFit::Row row;
        row.top = original.y;
        row.height = original.height;
        if (auto* text = dynamic_cast<CustomStaticText*>(child)) {
            const int width = picture.GetWidth() - kFrameMargin - original.x;
            const auto measure = [text](const std::string& s) {
                return text->GetTextExtent(wxString::FromUTF8(s)).GetWidth();
            };
            const std::vector<std::string> lines =
                TextFit::Wrap(std::string(text->GetLabelText().utf8_str()), width, measure);
            wxString shown;
            for (const std::string& line : lines)
                shown += (shown.empty() ? "" : "\n") + wxString::FromUTF8(line);
            text->ShowText(shown);
            const int oneLine = std::max(original.height, text->GetCharHeight());
            row.grow = std::max(0, text->GetSize().GetHeight() - oneLine);
        }
        rows.push_back(row);
    }
    int extra = 0;
    const std::vector<int> tops = TextFit::Stack(rows, extra);
    for (size_t i = 0; i < m_layout.size(); ++i)
        m_layout[i].first->Move(m_layout[i].second.x, tops[i]);
    const wxBitmap shown = Stretch(picture, extra);
    window->SetSize(shown.GetWidth(), shown.GetHeight());
    return shown;
}

wxBitmap PictureTextFit::Stretch(const wxBitmap& picture, int extra) {
    if (extra <= 0 || !picture.IsOk())
        return picture;
    const wxImage source = picture.ConvertToImage();
    const int w = source.GetWidth();
    const int h = source.GetHeight();
    const int cut = h / 2;
    wxImage stretched(w, h + extra, false);
    if (source.HasAlpha())
        stretched.InitAlpha();
    stretched.Paste(source.GetSubImage(wxRect(0, 0, w, cut)), 0, 0);
    const wxImage middle = source.GetSubImage(wxRect(0, cut, w, 1));
    for (int i = 0; i < extra; ++i)
        stretched.Paste(middle, 0, cut + i);
    stretched.Paste(source.GetSubImage(wxRect(0, cut, w, h - cut)), 0, cut + extra);
    return wxBitmap(stretched);
}
