#include "PictureTextFit.h"

#include <algorithm>
#include <string>

#include <wx/image.h>
#include <wx/window.h>

#include "CustomStaticText.h"
#include "ParagraphFit.h"
#include "TextFit.h"

namespace {

std::string Utf8(const wxString& s) { return std::string(s.utf8_str()); }

// `lines` [first, end) as one text, a line each.
wxString Lines(const std::vector<std::string>& lines, size_t first, size_t end) {
    wxString text;
    for (size_t i = first; i < std::min(end, lines.size()); ++i)
        text += (i > first ? "\n" : "") + wxString::FromUTF8(lines[i]);
    return text;
}

}  // namespace

wxBitmap PictureTextFit::Fit(wxWindow* window, const wxBitmap& picture) {
    if (!picture.IsOk())
        return picture;
    if (m_layout.empty()) {
        for (wxWindow* child : window->GetChildren()) {
            if (!child->IsTopLevel())
                m_layout.emplace_back(child, child->GetRect());
        }
    }
    const std::map<wxWindow*, wxString> paragraph = FlowParagraph(picture.GetWidth());
    std::vector<TextFit::Row> rows;
    for (const auto& [child, original] : m_layout) {
        TextFit::Row row;
        row.top = original.y;
        row.height = original.height;
        if (auto* text = dynamic_cast<CustomStaticText*>(child)) {
            const auto flowed = paragraph.find(child);
            if (flowed != paragraph.end()) {
                text->ShowText(flowed->second);
            } else {
                const int width = picture.GetWidth() - kFrameMargin - original.x;
                const auto measure = [text](const std::string& s) {
                    return text->GetTextExtent(wxString::FromUTF8(s)).GetWidth();
                };
                const std::vector<std::string> lines = TextFit::Wrap(Utf8(text->GetLabelText()), width, measure);
                text->ShowText(Lines(lines, 0, lines.size()));
            }
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

std::map<wxWindow*, wxString> PictureTextFit::FlowParagraph(int pictureWidth) const {
    std::map<wxWindow*, wxString> shown;
    if (m_paragraph.empty())
        return shown;
    std::vector<std::string> written;
    int width = pictureWidth;
    for (CustomStaticText* line : m_paragraph) {
        written.push_back(Utf8(line->GetLabelText()));
        width = std::min(width, pictureWidth - kFrameMargin - line->GetPosition().x);
    }
    const CustomStaticText* font = m_paragraph.front();
    const auto measure = [font](const std::string& s) {
        return font->GetTextExtent(wxString::FromUTF8(s)).GetWidth();
    };
    const std::vector<std::string> lines = ParagraphFit::Flow(written, width, measure);
    for (size_t i = 0; i < m_paragraph.size(); ++i)
        shown[m_paragraph[i]] = Lines(lines, i, i + 1 < m_paragraph.size() ? i + 1 : lines.size());
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
