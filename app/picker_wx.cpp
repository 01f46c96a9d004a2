#include "app/picker_wx.h"

#include <wx/arrstr.h>
#include <wx/choice.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

#include <vector>

#include "ui/utf8_wx.h"

namespace tessaly {

void PickerBatch::start(int32_t firstIndex) {
    active_ = true;
    first_ = firstIndex;
    texts_.clear();
    data_.clear();
}

int32_t PickerBatch::add(const std::string& text, int32_t listIndex) {
    texts_.push_back(text);
    data_.push_back(listIndex);
    return first_ + int32_t(texts_.size()) - 1;
}

void PickerBatch::finish(wxChoice* picker) {
    active_ = false;
    if (texts_.empty()) return;
    wxArrayString texts;
    texts.reserve(texts_.size());
    std::vector<void*> data;
    data.reserve(data_.size());
    for (size_t i = 0; i < texts_.size(); ++i) {
        texts.push_back(toWx(texts_[i]));
        data.push_back(reinterpret_cast<void*>(intptr_t(data_[i])));
    }
    picker->Append(texts, data.data());
    texts_.clear();
    data_.clear();
}

namespace {

#ifdef __WXGTK__
class PickerChoice : public wxChoice {
  public:
    PickerChoice(wxWindow* parent, const wxPoint& pos, const wxSize& size)
        : wxChoice(parent, wxID_ANY, pos, size) {}
    // The toolkit's own destructor would empty the list row by row with the pop-up attached.
    ~PickerChoice() override { DoClear(); }

  protected:
    int DoInsertItems(const wxArrayStringsAdapter& items, unsigned int pos, void** clientData,
                      wxClientDataType type) override {
        const unsigned int count = items.GetCount();
        if (count < 2 || m_strings) return wxChoice::DoInsertItems(items, pos, clientData, type);
        auto* combo = GTK_COMBO_BOX(m_widget);
        const int active = gtk_combo_box_get_active(combo);
        GTKDisableEvents();
        replaceList([&](GtkTreeModel* old, GtkListStore* store) {
            GtkTreeIter from;
            bool more = gtk_tree_model_get_iter_first(old, &from);
            unsigned int row = 0;
            const auto copyRow = [&] {
                gchar* text = nullptr;
                gtk_tree_model_get(old, &from, m_stringCellIndex, &text, -1);
                GtkTreeIter iter;
                gtk_list_store_insert_with_values(store, &iter, -1, m_stringCellIndex, text, -1);
                g_free(text);
                more = gtk_tree_model_iter_next(old, &from);
            };
            for (; more && row < pos; ++row) copyRow();
            for (unsigned int i = 0; i < count; ++i) {
                GtkTreeIter iter;
                gtk_list_store_insert_with_values(store, &iter, -1, m_stringCellIndex,
                                                  static_cast<const char*>(items[i].utf8_str()),
                                                  -1);
            }
            while (more) copyRow();
        });
        m_clientData.Insert(nullptr, pos, count);
        // The toolkit's setter counts the entries by walking them, each time: it sets the first
        // (which also marks the kind of data the control holds), the rest are set directly.
        if (clientData && type == wxClientData_Void) {
            AssignNewItemClientData(pos, clientData, 0, type);
            for (unsigned int i = 1; i < count; ++i) m_clientData[pos + i] = clientData[i];
        } else if (clientData) {
            for (unsigned int i = 0; i < count; ++i) {
                AssignNewItemClientData(pos + i, clientData, i, type);
            }
        }
        if (active >= 0) {
            gtk_combo_box_set_active(combo, unsigned(active) >= pos ? active + int(count) : active);
        }
        GTKEnableEvents();
        InvalidateBestSize();
        return int(pos + count - 1);
    }

    void DoClear() override {
        if (m_strings) {
            wxChoice::DoClear();
            return;
        }
        GTKDisableEvents();
        replaceList([](GtkTreeModel*, GtkListStore*) {});
        m_clientData.Clear();
        GTKEnableEvents();
        InvalidateBestSize();
    }

  private:
    // Gives the drop-down a new list, filled by fill(old list, new list), in place of the old
    // one. Rows added to or removed from the list it shows each make GTK rebuild part of the
    // pop-up; a new list is taken whole, and the old one goes without a signal per row.
    template <typename Fill>
    void replaceList(Fill&& fill) {
        auto* combo = GTK_COMBO_BOX(m_widget);
        GtkTreeModel* old = gtk_combo_box_get_model(combo);
        std::vector<GType> types(size_t(gtk_tree_model_get_n_columns(old)));
        for (size_t c = 0; c < types.size(); ++c) {
            types[c] = gtk_tree_model_get_column_type(old, gint(c));
        }
        GtkListStore* store = gtk_list_store_newv(gint(types.size()), types.data());
        fill(old, store);
        gtk_combo_box_set_model(combo, GTK_TREE_MODEL(store));
        g_object_unref(store);  // the drop-down holds it
    }
};
#endif

}  // namespace

wxChoice* createPicker(wxWindow* parent, const wxPoint& pos, const wxSize& size) {
#ifdef __WXGTK__
    wxChoice* picker = new PickerChoice(parent, pos, size);
#else
    wxChoice* picker = new wxChoice(parent, wxID_ANY, pos, size);
#endif
    measureShownEntryOnly(picker);
    return picker;
}

void measureShownEntryOnly(wxChoice* picker) {
#ifdef __WXGTK__
    GtkWidget* child = gtk_bin_get_child(GTK_BIN(picker->GetHandle()));
    if (child && GTK_IS_CELL_VIEW(child)) gtk_cell_view_set_fit_model(GTK_CELL_VIEW(child), FALSE);
#else
    (void)picker;
#endif
}

}  // namespace tessaly
