#include "MiddleCutCells.h"

#include <string>

#include <gtk/gtk.h>

#include <wx/window.h>

#include "TextFit.h"

namespace {

// A text cell that cuts its text itself before drawing it.
struct TidewaveMiddleCutText {
    GtkCellRendererText parent;
};
struct TidewaveMiddleCutTextClass {
    GtkCellRendererTextClass parentClass;
};

G_DEFINE_TYPE(TidewaveMiddleCutText, middle_cut_text, GTK_TYPE_CELL_RENDERER_TEXT)

void RenderCut(GtkCellRenderer* cell, cairo_t* cr, GtkWidget* widget, const GdkRectangle* background,
               const GdkRectangle* area, GtkCellRendererState flags) {
    gchar* text = nullptr;
    g_object_get(cell, "text", &text, nullptr);
    if (text != nullptr) {
        int pad = 0;
        gtk_cell_renderer_get_padding(cell, &pad, nullptr);
        PangoLayout* layout = gtk_widget_create_pango_layout(widget, nullptr);
        const auto measure = [layout](const std::string& part) {
            pango_layout_set_text(layout, part.c_str(), -1);
            int width = 0;
            pango_layout_get_size(layout, &width, nullptr);
            return (width + PANGO_SCALE - 1) / PANGO_SCALE;
        };
        // Cut to fit, the text is drawn as it is: the cell's own ellipsis,
        // kept for its small size request, has nothing left to cut.
        const std::string cut = TextFit::MiddleCut(text, area->width - 2 * pad, measure);
        g_object_unref(layout);
        g_object_set(cell, "text", cut.c_str(), nullptr);
        g_free(text);
    }
    GTK_CELL_RENDERER_CLASS(middle_cut_text_parent_class)->render(cell, cr, widget, background, area, flags);
}

void middle_cut_text_class_init(TidewaveMiddleCutTextClass* type) {
    GTK_CELL_RENDERER_CLASS(type)->render = RenderCut;
}

void middle_cut_text_init(TidewaveMiddleCutText*) {}

}  // namespace

void MiddleCutCells::Install(wxWindow* combo) {
    GtkWidget* widget = combo->GetHandle();
    if (widget == nullptr || !GTK_IS_COMBO_BOX(widget))
        return;
    GtkCellLayout* layout = GTK_CELL_LAYOUT(widget);
    GtkCellArea* area = gtk_cell_layout_get_area(layout);
    GList* cells = gtk_cell_layout_get_cells(layout);
    int position = 0;
    for (GList* c = cells; c != nullptr; c = c->next, ++position) {
        auto* own = GTK_CELL_RENDERER(c->data);
        const int column = area != nullptr ? gtk_cell_area_attribute_get_column(area, own, "text") : -1;
        if (!GTK_IS_CELL_RENDERER_TEXT(own) || G_TYPE_CHECK_INSTANCE_TYPE(own, middle_cut_text_get_type()) ||
            column < 0)
            continue;
        // In the toolkit's cell's place, which stays, not drawn; the small
        // size request of a cut text keeps the cell inside the box.
        auto* cut = GTK_CELL_RENDERER(g_object_new(middle_cut_text_get_type(), "ellipsize", PANGO_ELLIPSIZE_MIDDLE,
                                                   nullptr));
        gtk_cell_layout_pack_start(layout, cut, TRUE);
        gtk_cell_layout_add_attribute(layout, cut, "text", column);
        gtk_cell_layout_reorder(layout, cut, position);
        gtk_cell_renderer_set_visible(own, FALSE);
    }
    g_list_free(cells);
}
