#include "LayoutWalker.h"

#include <algorithm>
#include <cstdlib>

#include <gtk/gtk.h>

#include <wx/arrstr.h>
#include <wx/bookctrl.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/dcclient.h>
#include <wx/hyperlink.h>
#include <wx/imaglist.h>
#include <wx/listbox.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/tglbtn.h>
#include <wx/toplevel.h>

#include "LayoutRules.h"

namespace LayoutWalker {

namespace {

using LayoutRules::Box;

std::string Utf8(const wxString& s) { return std::string(s.utf8_str()); }

// "<name> \"<label>\"", the label only where the name says nothing.
std::string NameOf(wxWindow* w) {
    std::string name = Utf8(w->GetName());
    const wxString label = w->GetLabel();
    if (!label.empty() && name.rfind("ID_", 0) != 0)
        name += " \"" + Utf8(label.Left(40)) + "\"";
    return name;
}

// The first text label inside a native control (a button's or a check
// box's caption, a group box's title).
GtkWidget* InnerLabel(GtkWidget* widget) {
    if (widget == nullptr)
        return nullptr;
    if (GTK_IS_LABEL(widget))
        return widget;
    if (GTK_IS_FRAME(widget))
        return InnerLabel(gtk_frame_get_label_widget(GTK_FRAME(widget)));
    if (!GTK_IS_CONTAINER(widget))
        return nullptr;
    GList* children = gtk_container_get_children(GTK_CONTAINER(widget));
    GtkWidget* found = nullptr;
    for (GList* c = children; c != nullptr && found == nullptr; c = c->next)
        found = InnerLabel(GTK_WIDGET(c->data));
    g_list_free(children);
    return found;
}

// What the child's own text needs, as a size of the child; 0 x 0 when it
// shows none.  A static text needs its text's extent.  A native control
// with a caption needs the room its caption lacks: the caption's label got
// less than its minimum from the theme's layout inside the control.
wxSize TextNeed(wxWindow* w) {
    if (auto* text = dynamic_cast<wxStaticText*>(w)) {
        // What the label shows (a label may keep the text it was given apart).
        const wxString shown = wxControl::RemoveMnemonics(text->wxControl::GetLabel());
        if (shown.empty())
            return wxSize();
        wxClientDC dc(text);
        dc.SetFont(text->GetFont());
        return dc.GetMultiLineTextExtent(shown);
    }
    const bool captioned = dynamic_cast<wxCheckBox*>(w) != nullptr || dynamic_cast<wxRadioButton*>(w) != nullptr ||
                           dynamic_cast<wxHyperlinkCtrl*>(w) != nullptr ||
                           dynamic_cast<wxToggleButton*>(w) != nullptr || dynamic_cast<wxButton*>(w) != nullptr ||
                           dynamic_cast<wxStaticBox*>(w) != nullptr;
    if (!captioned || w->GetLabel().empty())
        return wxSize();
    GtkWidget* label = InnerLabel(w->GetHandle());
    if (label == nullptr || !gtk_widget_get_visible(label))
        return wxSize();
    GtkRequisition minimum, natural;
    gtk_widget_get_preferred_size(label, &minimum, &natural);
    GtkAllocation given;
    gtk_widget_get_allocation(label, &given);
    const wxSize size = w->GetSize();
    wxSize need(size.x + std::max(0, minimum.width - given.width), size.y + std::max(0, minimum.height - given.height));
    // A check box or radio button narrower than its box and caption squeezes
    // the caption although GTK keeps the label's own allocation.
    if (dynamic_cast<wxCheckBox*>(w) != nullptr || dynamic_cast<wxRadioButton*>(w) != nullptr) {
        gtk_widget_get_preferred_size(w->GetHandle(), &minimum, &natural);
        need.x = std::max(need.x, minimum.width);
    }
    return need;
}

// Where a label draws its text (as wide as it needs, placed by its
// alignment, at most its own box); empty for other children.
Box DrawnTextBox(wxWindow* w, const wxSize& need) {
    if (dynamic_cast<wxStaticText*>(w) == nullptr || need.x <= 0)
        return Box{};
    const wxRect r = w->GetRect();
    const int width = std::min(need.x, r.width);
    int x = r.x;
    if (w->HasFlag(wxALIGN_RIGHT))
        x = r.GetRight() + 1 - width;
    else if (w->HasFlag(wxALIGN_CENTRE_HORIZONTAL))
        x = r.x + (r.width - width) / 2;
    return Box{x, r.y, width, std::min(need.y, r.height)};
}

// The lines a label shows, at its line breaks.
std::vector<std::string> ShownLines(wxWindow* w) {
    std::vector<std::string> lines;
    auto* text = dynamic_cast<wxStaticText*>(w);
    if (text == nullptr)
        return lines;
    const wxString shown = wxControl::RemoveMnemonics(text->wxControl::GetLabel());
    for (const wxString& line : wxSplit(shown, '\n', '\0'))
        lines.push_back(Utf8(line));
    return lines;
}

// Whether a cell of a report list shows a picture before its text.
bool HasColumnImage(wxListCtrl* list, long row, int col) {
    wxListItem item;
    item.SetId(row);
    item.SetColumn(col);
    item.SetMask(wxLIST_MASK_IMAGE);
    return list->GetItem(item) && item.GetImage() >= 0;
}

// The rows of a list box against its width: the toolkit draws a row's text
// 4 pixels in from each side.
void CheckListBox(wxListBox* box, const std::string& path, std::vector<std::string>& findings) {
    std::vector<LayoutRules::DrawnText> texts;
    wxClientDC dc(box);
    dc.SetFont(box->GetFont());
    for (unsigned row = 0; row < box->GetCount(); ++row) {
        const wxSize extent = dc.GetTextExtent(box->GetString(row));
        LayoutRules::DrawnText t;
        t.name = path + " row " + std::to_string(row) + " \"" + Utf8(box->GetString(row)) + "\"";
        t.box = Box{0, 0, box->GetClientSize().x, extent.y};
        t.textW = extent.x + 8;
        t.textH = extent.y;
        texts.push_back(t);
    }
    for (const std::string& f : LayoutRules::CheckDrawn(texts))
        findings.push_back(f);
}

// The width a cell of a report list needs for `text`: the generic list
// draws it 4 pixels in from each side, after the cell's picture.
int CellNeed(wxListCtrl* list, long row, int col, int textW, int imageW) {
    int need = textW + 8;
    if (row >= 0 && (col == 0 || HasColumnImage(list, row, col)))
        need += imageW + 2;
    return need;
}

// The columns of a report list against the texts in them, and how the
// list's width is shared among them.
void CheckColumns(wxListCtrl* list, const std::string& path, std::vector<std::string>& findings) {
    if (!list->InReportView())
        return;
    std::vector<LayoutRules::DrawnText> texts;
    std::vector<LayoutRules::ListColumn> columns;
    wxClientDC dc(list);
    dc.SetFont(list->GetFont());
    int imageW = 0, imageH = 0;
    if (wxImageList* images = list->GetImageList(wxIMAGE_LIST_SMALL))
        images->GetSize(0, imageW, imageH);
    for (int col = 0; col < list->GetColumnCount(); ++col) {
        const int width = list->GetColumnWidth(col);
        LayoutRules::ListColumn column;
        column.name = path + " column " + std::to_string(col);
        column.width = width;
        wxListItem heading;
        heading.SetMask(wxLIST_MASK_TEXT);
        list->GetColumn(col, heading);
        for (long row = -1; row < list->GetItemCount(); ++row) {
            const wxString text = row < 0 ? heading.GetText() : list->GetItemText(row, col);
            const wxSize extent = text.empty() ? wxSize() : dc.GetTextExtent(text);
            const int need = CellNeed(list, row, col, extent.x, imageW);
            if (row >= 0 || !text.empty())
                column.need = std::max(column.need, need);
            column.cut = column.cut || need > width || text.Find(wxUniChar(0x2026)) != wxNOT_FOUND;
            if (text.empty())
                continue;
            LayoutRules::DrawnText t;
            t.name = column.name + (row < 0 ? " heading" : " row " + std::to_string(row)) + " \"" + Utf8(text) + "\"";
            t.box = Box{0, 0, width, extent.y};
            t.textW = need;
            t.textH = extent.y;
            texts.push_back(t);
        }
        columns.push_back(column);
    }
    for (const std::string& f : LayoutRules::CheckDrawn(texts))
        findings.push_back(f);
    for (const std::string& f : LayoutRules::CheckColumnShares(columns))
        findings.push_back(f);
}

// The native widgets inside a control, its internal ones too, depth first.
void InnerWidgets(GtkWidget* widget, std::vector<GtkWidget*>& out) {
    out.push_back(widget);
    if (!GTK_IS_CONTAINER(widget))
        return;
    std::vector<GtkWidget*> children;
    gtk_container_forall(
        GTK_CONTAINER(widget),
        [](GtkWidget* child, gpointer data) { static_cast<std::vector<GtkWidget*>*>(data)->push_back(child); },
        &children);
    for (GtkWidget* child : children)
        InnerWidgets(child, out);
}

// The text a drop-down shows: its value, or its chosen entry.
wxString ShownValue(wxWindow* w) {
    if (auto* combo = dynamic_cast<wxComboBox*>(w))
        return combo->GetValue();
    if (auto* choice = dynamic_cast<wxChoice*>(w))
        return choice->GetStringSelection();
    return wxString();
}

// What a drop-down shows must start with its text.  With an entry, the
// entry is not scrolled into its text; without one, the cell that shows the
// chosen text lies inside the box: a cell wider than the box is placed
// partly outside it, and the box then shows a piece from the middle of its
// text, or the text cut at the box's edge.
void CheckComboText(wxWindow* w, const std::string& path, std::vector<std::string>& findings) {
    GtkWidget* combo = w->GetHandle();
    if (combo == nullptr || !GTK_IS_COMBO_BOX(combo))
        return;
    GtkAllocation box;
    gtk_widget_get_allocation(combo, &box);
    std::vector<GtkWidget*> inner;
    InnerWidgets(combo, inner);
    for (GtkWidget* widget : inner) {
        if (!gtk_widget_get_visible(widget))
            continue;
        if (GTK_IS_ENTRY(widget)) {
            int offset = 0;
            g_object_get(widget, "scroll-offset", &offset, nullptr);
            if (offset != 0)
                findings.push_back("scrolled text: " + path + " shows \"" + gtk_entry_get_text(GTK_ENTRY(widget)) +
                                   "\" from " + std::to_string(offset) + " px into it");
        } else if (GTK_IS_CELL_VIEW(widget)) {
            GtkAllocation cell;
            gtk_widget_get_allocation(widget, &cell);
            if (cell.x < box.x || cell.x + cell.width > box.x + box.width)
                findings.push_back("scrolled text: " + path + " shows its text \"" + Utf8(ShownValue(w)) +
                                   "\" in a cell of " + std::to_string(cell.width) + " px at " +
                                   std::to_string(cell.x - box.x) + " in a box of " + std::to_string(box.width));
        }
    }
}

// A single-line text field shows its text from the start, unless the user
// types in it; one that no one can type in shows it whole (the text as the
// field lays it out against the area it draws it in).
void CheckFieldText(wxWindow* w, const std::string& path, std::vector<std::string>& findings) {
    GtkWidget* entry = w->GetHandle();
    if (entry == nullptr || !GTK_IS_ENTRY(entry))
        return;
    LayoutRules::FieldText field;
    field.name = path;
    field.text = gtk_entry_get_text(GTK_ENTRY(entry));
    g_object_get(entry, "scroll-offset", &field.offset, nullptr);
    field.typable = gtk_widget_is_sensitive(entry) && gtk_editable_get_editable(GTK_EDITABLE(entry));
    field.typing = field.typable && gtk_widget_is_focus(entry);
    PangoRectangle text{};  // rounded as the field rounds it when it scrolls
    pango_layout_get_extents(gtk_entry_get_layout(GTK_ENTRY(entry)), nullptr, &text);
    field.textW = PANGO_PIXELS(text.width);
    GdkRectangle area{};
    gtk_entry_get_text_area(GTK_ENTRY(entry), &area);
    field.room = area.width;
    for (const std::string& f : LayoutRules::CheckFieldStarts({field}))
        findings.push_back(f);
    for (const std::string& f : LayoutRules::CheckFieldCuts({field}))
        findings.push_back(f);
}

// Pixels of a screen area as the X server holds them.
std::vector<unsigned char> ScreenPixels(const wxRect& r) {
    std::vector<unsigned char> pixels;
    gdk_display_sync(gdk_display_get_default());
    GdkPixbuf* shot = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), r.x, r.y, r.width, r.height);
    if (shot == nullptr)
        return pixels;
    const int stride = gdk_pixbuf_get_rowstride(shot);
    const int rowBytes = r.width * gdk_pixbuf_get_n_channels(shot);
    const guchar* data = gdk_pixbuf_read_pixels(shot);
    for (int y = 0; y < r.height; ++y)
        pixels.insert(pixels.end(), data + y * stride, data + y * stride + rowBytes);
    g_object_unref(shot);
    return pixels;
}

// Which columns of a screen area hold ink: a pixel clearly unlike the
// area's first one, its background.
std::vector<bool> InkColumns(const wxRect& r) {
    const std::vector<unsigned char> pixels = ScreenPixels(r);
    std::vector<bool> ink(static_cast<size_t>(std::max(0, r.width)), false);
    const size_t channels = r.width > 0 && r.height > 0 ? pixels.size() / (static_cast<size_t>(r.width) * r.height) : 0;
    if (channels < 3)
        return ink;
    for (size_t i = 0; i < pixels.size(); i += channels) {
        const int difference = std::abs(pixels[i] - pixels[0]) + std::abs(pixels[i + 1] - pixels[1]) +
                               std::abs(pixels[i + 2] - pixels[2]);
        if (difference > 60)
            ink[(i / channels) % static_cast<size_t>(r.width)] = true;
    }
    return ink;
}

// A drop-down whose chosen text is cut to its cell leaves no blank inside
// the text wider than its own word gaps: the toolkit's middle ellipsis puts
// the cell's spare room into the middle of the text.
void CheckComboCutGap(wxWindow* w, const std::string& path, std::vector<std::string>& findings) {
    GtkWidget* combo = w->GetHandle();
    if (combo == nullptr || !GTK_IS_COMBO_BOX(combo))
        return;
    const wxString text = ShownValue(w);
    const int space = w->GetTextExtent("n n").x - w->GetTextExtent("nn").x;
    std::vector<GtkWidget*> inner;
    InnerWidgets(combo, inner);
    for (GtkWidget* view : inner) {
        if (!GTK_IS_CELL_VIEW(view) || !gtk_widget_get_visible(view))
            continue;
        GtkCellArea* area = gtk_cell_layout_get_area(GTK_CELL_LAYOUT(view));
        GtkCellAreaContext* context = nullptr;
        g_object_get(view, "cell-area-context", &context, nullptr);
        GtkAllocation box;
        gtk_widget_get_allocation(view, &box);
        const GdkRectangle whole{0, 0, box.width, box.height};
        int x = 0, y = 0;
        gdk_window_get_origin(gtk_widget_get_window(view), &x, &y);
        GList* cells = gtk_cell_layout_get_cells(GTK_CELL_LAYOUT(view));
        for (GList* c = cells; c != nullptr && context != nullptr; c = c->next) {
            auto* cell = GTK_CELL_RENDERER(c->data);
            if (!GTK_IS_CELL_RENDERER_TEXT(cell) || !gtk_cell_renderer_get_visible(cell))
                continue;
            GdkRectangle at;
            gtk_cell_area_get_cell_allocation(area, context, view, cell, &whole, &at);
            int pad = 0;
            gtk_cell_renderer_get_padding(cell, &pad, nullptr);
            const wxRect field(x + box.x + at.x + pad, y + box.y + at.y, at.width - 2 * pad, at.height);
            if (w->GetTextExtent(text).x <= field.width)
                continue;  // shown whole
            const std::string name = path + " \"" + Utf8(text) + "\"";
            for (const std::string& f :
                 LayoutRules::CheckCutGap(name, InkColumns(field), text.Contains(" ") ? 2 * space : space))
                findings.push_back(f);
        }
        g_list_free(cells);
        if (context != nullptr)
            g_object_unref(context);
    }
}

// The column headings of a report list stand over their columns however
// far the rows are scrolled: what the heading row shows now is what it
// shows when painted afresh.
void CheckHeading(wxListCtrl* list, const std::string& path, std::vector<std::string>& findings) {
    if (!list->InReportView() || list->HasFlag(wxLC_NO_HEADER))
        return;
    for (wxWindow* child : list->GetChildren()) {
        if (child->GetName() != "wxlistctrlcolumntitles" || !child->IsShown())
            continue;
        const wxRect area = child->GetScreenRect();
        const std::vector<unsigned char> shown = ScreenPixels(area);
        child->Refresh();
        child->Update();
        if (shown != ScreenPixels(area)) {
            int x = 0, y = 0;
            list->GetViewStart(&x, &y);
            int unit = 0;
            list->GetScrollPixelsPerUnit(&unit, nullptr);
            findings.push_back("headings off their columns: " + path + " shows headings other than those of its " +
                               "columns scrolled " + std::to_string(x * unit) + " px");
        }
    }
}

void Walk(wxWindow* window, const std::string& path, std::vector<std::string>& findings) {
    if (auto* list = dynamic_cast<wxListCtrl*>(window)) {
        CheckColumns(list, path, findings);
        CheckHeading(list, path, findings);
    }
    if (auto* box = dynamic_cast<wxListBox*>(window))
        CheckListBox(box, path, findings);
    CheckComboText(window, path, findings);
    CheckComboCutGap(window, path, findings);
    CheckFieldText(window, path, findings);

    const wxSize client = window->GetClientSize();
    Box area{0, 0, client.x, client.y};
    if (window->IsTopLevel() && window->HasFlag(wxFRAME_SHAPED))
        area = Box{kPictureFrame, kPictureFrame, client.x - 2 * kPictureFrame, client.y - 2 * kPictureFrame};

    // A book control places and sizes its pages itself.
    if (dynamic_cast<wxBookCtrlBase*>(window) != nullptr)
        area = Box{-100000, -100000, 200000, 200000};

    std::vector<LayoutRules::Item> items;
    std::vector<std::pair<wxWindow*, std::string>> visible;
    for (wxWindow* child : window->GetChildren()) {
        if (child->IsTopLevel() || !child->IsShown())
            continue;
        const std::string name = path + "/" + NameOf(child);
        const wxRect r = child->GetRect();
        LayoutRules::Item item;
        item.name = name;
        item.box = Box{r.x, r.y, r.width, r.height};
        const wxSize need = TextNeed(child);
        item.needW = need.x;
        item.needH = need.y;
        item.text = DrawnTextBox(child, need);
        if (!item.text.Empty())
            item.lines = ShownLines(child);
        item.picture = dynamic_cast<wxStaticBitmap*>(child) != nullptr;
        items.push_back(item);
        visible.emplace_back(child, name);
    }
    for (const std::string& f : LayoutRules::Check(area, items))
        findings.push_back(f);
    for (const auto& [child, name] : visible)
        Walk(child, name, findings);
}

}  // namespace

std::vector<std::string> Check(wxWindow* top) {
    std::vector<std::string> findings;
    if (top != nullptr && top->IsShown())
        Walk(top, NameOf(top), findings);
    return findings;
}

}  // namespace LayoutWalker
