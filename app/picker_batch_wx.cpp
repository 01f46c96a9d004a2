#include "app/picker_batch_wx.h"

#include <gtk/gtk.h>

#include <cstring>

namespace tessaly {

namespace {

// The pop-up menu of a GTK drop-down list in menu mode, or nullptr (list mode, another toolkit).
GObject* treeMenuOf(wxChoice* choice) {
    if (!choice || !GTK_IS_COMBO_BOX(choice->GetHandle())) return nullptr;
    AtkObject* popup = gtk_combo_box_get_popup_accessible(GTK_COMBO_BOX(choice->GetHandle()));
    if (!popup || !GTK_IS_ACCESSIBLE(popup)) return nullptr;
    GtkWidget* menu = gtk_accessible_get_widget(GTK_ACCESSIBLE(popup));
    // The menu type is private to GTK; it has a "model" property, which is what is used here.
    if (!menu || std::strcmp(G_OBJECT_TYPE_NAME(menu), "GtkTreeMenu") != 0) return nullptr;
    return G_OBJECT(menu);
}

}  // namespace

PickerBatch::PickerBatch(wxChoice* choice) {
    GObject* menu = treeMenuOf(choice);
    if (!menu) return;
    g_object_ref(menu);
    g_object_set(menu, "model", nullptr, nullptr);
    menu_ = menu;
    GtkTreeModel* model = gtk_combo_box_get_model(GTK_COMBO_BOX(choice->GetHandle()));
    if (model) g_object_ref(model);
    model_ = model;
}

PickerBatch::~PickerBatch() {
    if (!menu_) return;
    g_object_set(G_OBJECT(menu_), "model", model_, nullptr);
    if (model_) g_object_unref(G_OBJECT(model_));
    g_object_unref(menu_);
}

}  // namespace tessaly
