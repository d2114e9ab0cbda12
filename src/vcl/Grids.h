#pragma once
// Grids: TCustomGrid keeps the rows and columns (counts, fixed ones, sizes),
// the current cell and the options; TDrawGrid publishes it with a drawing
// hook; TStringGrid adds a text and an object per cell, and each column and
// row as a string list.
//
// Bad indexes: reading a cell, column width or row height outside the grid
// gives the neutral value (empty text, nullptr, the default size); writing
// one, or asking for a row or column list outside the grid, raises
// EInvalidGridOperation "Grid index out of range". Resizing keeps every cell
// that is still inside the grid.
//
// Editing: with goEditing the control's Text is the current cell's text
// (through GetEditText / SetEditText), so typing into the grid edits the
// current cell.
//
// Headless geometry: no scrolling; cell (c, r) starts after the widths (and
// heights) of the cells before it, each followed by a GridLineWidth line.

#include <memory>
#include <vector>

#include "vcl/CustomControl.h"
#include "vcl/Strings.h"

namespace qvn {

QVN_DECLARE_EXCEPTION(EInvalidGridOperation, Exception)

enum TGridOption {
    goFixedVertLine,
    goFixedHorzLine,
    goVertLine,
    goHorzLine,
    goRangeSelect,
    goDrawFocusSelected,
    goRowSizing,
    goColSizing,
    goRowMoving,
    goColMoving,
    goEditing,
    goTabs,
    goRowSelect,
    goAlwaysShowEditor,
    goThumbTracking
};
using TGridOptions = SetOf<TGridOption>;

enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = SetOf<TGridDrawStateItem>;

struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

using TSelectCellEvent = Event<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TDrawCellEvent = Event<void(TObject* Sender, int ACol, int ARow, const TRect& Rect, TGridDrawState State)>;
using TGetEditEvent = Event<void(TObject* Sender, int ACol, int ARow, AnsiString& Value)>;
using TSetEditEvent = Event<void(TObject* Sender, int ACol, int ARow, const AnsiString& Value)>;

class TCustomGrid : public TCustomControl {
    QVN_CLASS_INFO()
public:
    explicit TCustomGrid(TComponent* owner);
    ~TCustomGrid() override;

    int ColCount() const { return colCount_; }
    // Below 1 counts as 1; fixed columns shrink to leave one scrolling column.
    void SetColCount(int count);
    int RowCount() const { return rowCount_; }
    void SetRowCount(int count);
    int FixedCols() const { return fixedCols_; }
    // Raises EInvalidGridOperation "Fixed column count must be less than
    // column count" (or "Grid index out of range" when negative).
    void SetFixedCols(int count);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int count);

    int DefaultColWidth() const { return defaultColWidth_; }
    // Resets every column to the new width.
    void SetDefaultColWidth(int width);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int height);
    int ColWidths(int index) const;
    void SetColWidths(int index, int width);
    int RowHeights(int index) const;
    void SetRowHeights(int index, int height);
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int width);

    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions options);

    // The current cell. Moving it asks SelectCell (OnSelectCell may refuse);
    // a cell outside the grid or in the fixed part raises EInvalidGridOperation.
    int Col() const { return col_; }
    void SetCol(int col) { FocusCell(col, row_); }
    int Row() const { return row_; }
    void SetRow(int row) { FocusCell(col_, row); }
    // Both at once (one OnSelectCell); false when refused.
    bool FocusCell(int col, int row);
    TGridRect Selection() const;

    bool EditorMode() const { return editorMode_; }
    // Only with goEditing.
    void SetEditorMode(bool on);

    TRect CellRect(int col, int row) const;
    // False outside the cells.
    bool MouseToCell(int x, int y, int& col, int& row) const;
    // Draws every cell through DrawCell.
    void PaintCells(TCanvas& canvas);

    TSelectCellEvent OnSelectCell;
    TDrawCellEvent OnDrawCell;
    TGetEditEvent OnGetEditText;
    TSetEditEvent OnSetEditText;

protected:
    virtual bool SelectCell(int col, int row);
    virtual void DrawCell(TCanvas& canvas, int col, int row, const TRect& rect, TGridDrawState state);
    virtual AnsiString GetEditText(int col, int row);
    virtual void SetEditText(int col, int row, const AnsiString& value);
    // The counts changed (old counts given); a string grid keeps its cells here.
    virtual void SizeChanged(int oldColCount, int oldRowCount)
    {
        (void)oldColCount;
        (void)oldRowCount;
    }
    [[noreturn]] static void IndexError();

    AnsiString GetTextBuf() const override;
    void SetTextBuf(const AnsiString& s) override;
    LRESULT DialogCode() const override;
    void KeyDown(Word& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    bool CanEditCurrent() const;
    void ClampCurrent();
    void MoveByKey(Word key, TShiftState shift);

    int colCount_ = 5;
    int rowCount_ = 5;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    int gridLineWidth_ = 1;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    TGridOptions options_{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    int col_ = 1;
    int row_ = 1;
    bool editorMode_ = false;
};

class TDrawGrid : public TCustomGrid {
    QVN_CLASS_INFO()
public:
    using TCustomGrid::TCustomGrid;
};

class TStringGrid;

// One column or row of a string grid as a string list. It has as many lines
// as the grid has rows (or columns); lines can be changed but not inserted
// or deleted. Add fills the first empty line (-1 when none is left).
class TStringGridStrings : public TStrings {
    QVN_CLASS_INFO()
public:
    TStringGridStrings(TStringGrid* grid, bool isColumn, int index) : grid_(grid), isColumn_(isColumn), index_(index) {}

    int Count() const override;
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    int AddObject(const std::string& s, TObject* object) override;
    // Raises EInvalidGridOperation: a grid line has a fixed length.
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    // Empties every cell of the line.
    void Clear() override;
    // Copies the source's lines into the cells from the first on; the rest are emptied.
    void Assign(const TPersistent& source) override;

private:
    void CheckLine(int index) const;
    int Col(int line) const { return isColumn_ ? index_ : line; }
    int Row(int line) const { return isColumn_ ? line : index_; }

    TStringGrid* grid_;
    bool isColumn_;
    int index_;
};

class TStringGrid : public TDrawGrid {
    QVN_CLASS_INFO()
public:
    explicit TStringGrid(TComponent* owner);
    ~TStringGrid() override;

    AnsiString Cells(int col, int row) const;
    void SetCells(int col, int row, const AnsiString& text);
    TObject* Objects(int col, int row) const;
    void SetObjects(int col, int row, TObject* object);
    // Raise EInvalidGridOperation outside the grid.
    TStrings* Cols(int index);
    TStrings* Rows(int index);
    void SetCols(int index, const TStrings& lines) { Cols(index)->Assign(lines); }
    void SetRows(int index, const TStrings& lines) { Rows(index)->Assign(lines); }

    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool on) { defaultDrawing_ = on; }

protected:
    void DrawCell(TCanvas& canvas, int col, int row, const TRect& rect, TGridDrawState state) override;
    AnsiString GetEditText(int col, int row) override;
    void SetEditText(int col, int row, const AnsiString& value) override;
    void SizeChanged(int oldColCount, int oldRowCount) override;

private:
    struct Cell {
        AnsiString text;
        TObject* object = nullptr;
    };
    bool Inside(int col, int row) const { return col >= 0 && row >= 0 && col < ColCount() && row < RowCount(); }
    size_t Slot(int col, int row) const
    {
        return static_cast<size_t>(row) * static_cast<size_t>(ColCount()) + static_cast<size_t>(col);
    }
    Cell& At(int col, int row) { return cells_[Slot(col, row)]; }
    const Cell& At(int col, int row) const { return cells_[Slot(col, row)]; }
    TStrings* View(std::vector<std::unique_ptr<TStringGridStrings>>& views, bool isColumn, int index, int count);

    std::vector<Cell> cells_;  // row by row
    std::vector<std::unique_ptr<TStringGridStrings>> colViews_;
    std::vector<std::unique_ptr<TStringGridStrings>> rowViews_;
    bool defaultDrawing_ = true;
};

}  // namespace qvn
