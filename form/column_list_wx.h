#pragma once

#include <wx/dataview.h>

#include <string>
#include <vector>

namespace tessaly {

// A native list with columns (a tree view on GTK, as a list-icon gadget is there), whose columns
// and rows may be added in any order and at any position. Rows keep one text per column; a
// column added after rows exist shows empty cells in them.
class ColumnList : public wxDataViewCtrl {
  public:
    // gridLines: rules between the rows and the columns.
    ColumnList(wxWindow* parent, const wxPoint& pos, const wxSize& size, bool gridLines = false);

    // Inserts a column at view position pos; pos -1 or beyond the last column appends.
    void addColumn(int pos, const wxString& title, int width);
    // Inserts a row at pos with text in the first column; pos -1 or beyond the last row appends.
    void addRow(int pos, const wxString& text);

    int rowCount() const;
    // Text of a row in the column at view position col; empty outside the table.
    wxString cellText(int row, int col) const;

  private:
    class Model;
    Model* model_;
    unsigned nextModelColumn_ = 0;
};

}  // namespace tessaly
