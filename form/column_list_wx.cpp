#include "form/column_list_wx.h"

#include <algorithm>

namespace tessaly {

// Rows of texts indexed by model column; missing cells read as empty.
class ColumnList::Model : public wxDataViewIndexListModel {
  public:
    void GetValueByRow(wxVariant& variant, unsigned row, unsigned col) const override {
        variant = wxString();
        if (row < rows_.size() && col < rows_[row].size()) variant = rows_[row][col];
    }
    bool SetValueByRow(const wxVariant& variant, unsigned row, unsigned col) override {
        if (row >= rows_.size()) return false;
        if (rows_[row].size() <= col) rows_[row].resize(col + 1);
        rows_[row][col] = variant.GetString();
        return true;
    }
    unsigned GetCount() const override { return unsigned(rows_.size()); }

    void insertRow(unsigned pos, unsigned col, const wxString& text) {
        std::vector<wxString> cells(col + 1);
        cells[col] = text;
        rows_.insert(rows_.begin() + pos, std::move(cells));
        RowInserted(pos);
    }
    wxString cell(unsigned row, unsigned col) const {
        wxVariant v;
        GetValueByRow(v, row, col);
        return v.GetString();
    }

  private:
    std::vector<std::vector<wxString>> rows_;
};

ColumnList::ColumnList(wxWindow* parent, const wxPoint& pos, const wxSize& size, bool gridLines)
    : wxDataViewCtrl(
          parent, wxID_ANY, pos, size,
          wxDV_SINGLE | wxDV_ROW_LINES | (gridLines ? wxDV_HORIZ_RULES | wxDV_VERT_RULES : 0)),
      model_(new Model) {
    AssociateModel(model_);
    model_->DecRef();  // the control holds the only reference from here on
}

void ColumnList::addColumn(int pos, const wxString& title, int width) {
    const int count = int(GetColumnCount());
    auto* column = new wxDataViewColumn(title, new wxDataViewTextRenderer, nextModelColumn_++,
                                        std::max(width, 0), wxALIGN_LEFT, wxDATAVIEW_COL_RESIZABLE);
    if (pos < 0 || pos >= count) {
        AppendColumn(column);
    } else {
        InsertColumn(unsigned(pos), column);
    }
}

void ColumnList::addRow(int pos, const wxString& text) {
    const int count = rowCount();
    if (pos < 0 || pos > count) pos = count;
    // The text goes to the column shown first; without columns it waits in model column 0.
    const unsigned col = GetColumnCount() > 0 ? GetColumn(0)->GetModelColumn() : 0;
    model_->insertRow(unsigned(pos), col, text);
}

int ColumnList::rowCount() const {
    return int(model_->GetCount());
}

wxString ColumnList::cellText(int row, int col) const {
    if (row < 0 || row >= rowCount() || col < 0 || col >= int(GetColumnCount())) return {};
    return model_->cell(unsigned(row), GetColumn(unsigned(col))->GetModelColumn());
}

}  // namespace tessaly
