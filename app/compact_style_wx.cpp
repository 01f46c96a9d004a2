#include "app/compact_style_wx.h"

#include <wx/window.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace tessaly {

void makeCompact(wxWindow* dropDown) {
#ifdef __WXGTK__
    // One style sheet for the whole screen, matching controls by widget name: a provider added to
    // the combo box's own style context would not reach the button inside it. The drop-down pops
    // up as a list, not a menu: a menu is built item by item at a cost that grows with the
    // entries before each (a form of 70,000 gadgets kept the program busy for seconds).
    static GtkCssProvider* provider = [] {
        GtkCssProvider* css = gtk_css_provider_new();
        gtk_css_provider_load_from_data(css,
                                        "#tessaly-compact button, #tessaly-compact box {"
                                        " padding-top: 0; padding-bottom: 0; min-height: 0; }"
                                        "#tessaly-compact { -GtkComboBox-appears-as-list: 1; }",
                                        -1, nullptr);
        gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(css),
                                                  GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
        return css;
    }();
    (void)provider;
    gtk_widget_set_name(static_cast<GtkWidget*>(dropDown->GetHandle()), "tessaly-compact");
#else
    (void)dropDown;
#endif
}

}  // namespace tessaly
