#include "vcl/Grids.h"

#include <algorithm>

#include "vcl/PropTable.h"

namespace qvn {
namespace {

constexpr const char* kIndexOutOfRange = "Grid index out of range";

}  // namespace

// ---- TCustomGrid -----------------------------------------------------------

QVN_DEFINE_CLASS_INFO(TCustomGrid, TCustomControl)

TCustomGrid::TCustomGrid(TComponent* owner) : TCustomControl(owner)
{
    colWidths_.assign(static_cast<size_t>(colCount_), defaultColWidth_);
    rowHeights_.assign(static_cast<size_t>(rowCount_), defaultRowHeight_);
    SetTabStop(true);
    SetBounds(0, 0, 320, 120);
}

TCustomGrid::~TCustomGrid() = default;

void TCustomGrid::IndexError() { throw EInvalidGridOperation(kIndexOutOfRange); }

void TCustomGrid::SetColCount(int count)
{
    count = std::max(count, 1);
    if (count == colCount_) return;
    const int old = colCount_;
    colCount_ = count;
    if (fixedCols_ >= count) fixedCols_ = count - 1;
    colWidths_.resize(static_cast<size_t>(count), defaultColWidth_);
    SizeChanged(old, rowCount_);
    ClampCurrent();
    Invalidate();
}

void TCustomGrid::SetRowCount(int count)
{
    count = std::max(count, 1);
    if (count == rowCount_) return;
    const int old = rowCount_;
    rowCount_ = count;
    if (fixedRows_ >= count) fixedRows_ = count - 1;
    rowHeights_.resize(static_cast<size_t>(count), defaultRowHeight_);
    SizeChanged(colCount_, old);
    ClampCurrent();
    Invalidate();
}

void TCustomGrid::SetFixedCols(int count)
{
    if (count < 0) IndexError();
    if (count >= colCount_) throw EInvalidGridOperation("Fixed column count must be less than column count");
    fixedCols_ = count;
    ClampCurrent();
    Invalidate();
}

void TCustomGrid::SetFixedRows(int count)
{
    if (count < 0) IndexError();
    if (count >= rowCount_) throw EInvalidGridOperation("Fixed row count must be less than row count");
    fixedRows_ = count;
    ClampCurrent();
    Invalidate();
}

void TCustomGrid::ClampCurrent()
{
    col_ = std::clamp(col_, fixedCols_, colCount_ - 1);
    row_ = std::clamp(row_, fixedRows_, rowCount_ - 1);
}

void TCustomGrid::SetDefaultColWidth(int width)
{
    defaultColWidth_ = std::max(width, 0);
    std::fill(colWidths_.begin(), colWidths_.end(), defaultColWidth_);
    Invalidate();
}

void TCustomGrid::SetDefaultRowHeight(int height)
{
    defaultRowHeight_ = std::max(height, 0);
    std::fill(rowHeights_.begin(), rowHeights_.end(), defaultRowHeight_);
    Invalidate();
}

int TCustomGrid::ColWidths(int index) const
{
    return index >= 0 && index < colCount_ ? colWidths_[static_cast<size_t>(index)] : defaultColWidth_;
}

void TCustomGrid::SetColWidths(int index, int width)
{
    if (index < 0 || index >= colCount_) IndexError();
    colWidths_[static_cast<size_t>(index)] = std::max(width, 0);
    Invalidate();
}

int TCustomGrid::RowHeights(int index) const
{
    return index >= 0 && index < rowCount_ ? rowHeights_[static_cast<size_t>(index)] : defaultRowHeight_;
}

void TCustomGrid::SetRowHeights(int index, int height)
{
    if (index < 0 || index >= rowCount_) IndexError();
    rowHeights_[static_cast<size_t>(index)] = std::max(height, 0);
    Invalidate();
}

void TCustomGrid::SetGridLineWidth(int width)
{
    gridLineWidth_ = std::max(width, 0);
    Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions options)
{
    if (options == options_) return;
    options_ = options;
    if (!options_.Contains(goEditing)) editorMode_ = false;
    if (options_.Contains(goAlwaysShowEditor) && options_.Contains(goEditing)) editorMode_ = true;
    Invalidate();
}

bool TCustomGrid::SelectCell(int col, int row)
{
    bool canSelect = true;
    OnSelectCell(this, col, row, canSelect);
    return canSelect;
}

bool TCustomGrid::FocusCell(int col, int row)
{
    if (col < fixedCols_ || col >= colCount_ || row < fixedRows_ || row >= rowCount_) IndexError();
    if (col == col_ && row == row_) return true;
    const TControlLink alive = Link();
    if (!SelectCell(col, row) || !alive) return false;
    // The counts may have changed inside the handler.
    if (col >= colCount_ || row >= rowCount_) return false;
    col_ = col;
    row_ = row;
    Invalidate();
    return true;
}

TGridRect TCustomGrid::Selection() const
{
    if (options_.Contains(goRowSelect)) return TGridRect{fixedCols_, row_, colCount_ - 1, row_};
    return TGridRect{col_, row_, col_, row_};
}

void TCustomGrid::SetEditorMode(bool on)
{
    editorMode_ = on && options_.Contains(goEditing) && !options_.Contains(goRowSelect);
}

TRect TCustomGrid::CellRect(int col, int row) const
{
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_) return TRect{};
    int left = 0;
    for (int c = 0; c < col; ++c) left += colWidths_[static_cast<size_t>(c)] + gridLineWidth_;
    int top = 0;
    for (int r = 0; r < row; ++r) top += rowHeights_[static_cast<size_t>(r)] + gridLineWidth_;
    return Bounds(left, top, colWidths_[static_cast<size_t>(col)], rowHeights_[static_cast<size_t>(row)]);
}

bool TCustomGrid::MouseToCell(int x, int y, int& col, int& row) const
{
    col = row = -1;
    if (x < 0 || y < 0) return false;
    int left = 0;
    for (int c = 0; c < colCount_; ++c) {
        left += colWidths_[static_cast<size_t>(c)] + gridLineWidth_;
        if (x < left) {
            col = c;
            break;
        }
    }
    int top = 0;
    for (int r = 0; r < rowCount_; ++r) {
        top += rowHeights_[static_cast<size_t>(r)] + gridLineWidth_;
        if (y < top) {
            row = r;
            break;
        }
    }
    return col >= 0 && row >= 0;
}

void TCustomGrid::PaintCells(TCanvas& canvas)
{
    const TGridRect sel = Selection();
    for (int r = 0; r < rowCount_; ++r) {
        for (int c = 0; c < colCount_; ++c) {
            TGridDrawState state;
            if (c < fixedCols_ || r < fixedRows_) {
                state.Include(gdFixed);
            } else {
                if (c >= sel.Left && c <= sel.Right && r >= sel.Top && r <= sel.Bottom) state.Include(gdSelected);
                if (c == col_ && r == row_ && Focused()) state.Include(gdFocused);
            }
            DrawCell(canvas, c, r, CellRect(c, r), state);
        }
    }
}

void TCustomGrid::DrawCell(TCanvas& canvas, int col, int row, const TRect& rect, TGridDrawState state)
{
    (void)canvas;
    OnDrawCell(this, col, row, rect, state);
}

AnsiString TCustomGrid::GetEditText(int col, int row)
{
    AnsiString value;
    OnGetEditText(this, col, row, value);
    return value;
}

void TCustomGrid::SetEditText(int col, int row, const AnsiString& value) { OnSetEditText(this, col, row, value); }

bool TCustomGrid::CanEditCurrent() const { return options_.Contains(goEditing) && !options_.Contains(goRowSelect); }

AnsiString TCustomGrid::GetTextBuf() const
{
    if (!CanEditCurrent()) return TCustomControl::GetTextBuf();
    return const_cast<TCustomGrid*>(this)->GetEditText(col_, row_);
}

void TCustomGrid::SetTextBuf(const AnsiString& s)
{
    if (!CanEditCurrent()) {
        TCustomControl::SetTextBuf(s);
        return;
    }
    editorMode_ = true;
    SetEditText(col_, row_, s);
    TextChanged();
}

LRESULT TCustomGrid::DialogCode() const
{
    LRESULT code = DLGC_WANTARROWS;
    if (options_.Contains(goTabs)) code |= DLGC_WANTTAB;
    if (editorMode_) code |= DLGC_WANTCHARS;
    return code;
}

void TCustomGrid::MoveByKey(Word key, TShiftState shift)
{
    int col = col_;
    int row = row_;
    int visibleRows = 0;
    for (int r = fixedRows_, h = 0; r < rowCount_ && h < ClientHeight(); ++r, ++visibleRows)
        h += rowHeights_[static_cast<size_t>(r)] + gridLineWidth_;
    const int page = std::max(visibleRows, 1);
    switch (key) {
    case VK_UP: --row; break;
    case VK_DOWN: ++row; break;
    case VK_LEFT: --col; break;
    case VK_RIGHT: ++col; break;
    case VK_PRIOR: row -= page; break;
    case VK_NEXT: row += page; break;
    case VK_HOME:
        if (shift.Contains(ssCtrl)) row = fixedRows_;
        col = fixedCols_;
        break;
    case VK_END:
        if (shift.Contains(ssCtrl)) row = rowCount_ - 1;
        col = colCount_ - 1;
        break;
    case VK_TAB:
        if (shift.Contains(ssShift)) {
            if (--col < fixedCols_) {
                col = colCount_ - 1;
                --row;
            }
        } else if (++col >= colCount_) {
            col = fixedCols_;
            ++row;
        }
        if (row < fixedRows_ || row >= rowCount_) return;  // no wrap past the ends
        break;
    default: return;
    }
    if (options_.Contains(goRowSelect)) col = col_;
    FocusCell(std::clamp(col, fixedCols_, colCount_ - 1), std::clamp(row, fixedRows_, rowCount_ - 1));
}

void TCustomGrid::KeyDown(Word& key, TShiftState shift)
{
    const TControlLink alive = Link();
    TCustomControl::KeyDown(key, shift);
    if (!alive || key == 0) return;
    switch (key) {
    case VK_F2: SetEditorMode(true); break;
    case VK_RETURN:
    case VK_ESCAPE:
        if (!options_.Contains(goAlwaysShowEditor)) editorMode_ = false;
        break;
    case VK_TAB:
        if (options_.Contains(goTabs)) MoveByKey(key, shift);
        break;
    default: MoveByKey(key, shift); break;
    }
}

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    const TControlLink alive = Link();
    int col = 0;
    int row = 0;
    if (button == mbLeft && MouseToCell(x, y, col, row) && col >= fixedCols_ && row >= fixedRows_) {
        if (options_.Contains(goRowSelect)) col = col_;
        FocusCell(col, row);
    }
    if (alive) TCustomControl::MouseDown(button, shift, x, y);
}

QVN_DEFINE_CLASS_INFO(TDrawGrid, TCustomGrid, [](TPropTable& t) {
    control_props::Align(t);
    AddIntProp<TCustomGrid, &TCustomGrid::ColCount, &TCustomGrid::SetColCount>(t, "ColCount");
    control_props::Color(t);
    AddIntProp<TCustomGrid, &TCustomGrid::DefaultColWidth, &TCustomGrid::SetDefaultColWidth>(t, "DefaultColWidth");
    AddIntProp<TCustomGrid, &TCustomGrid::DefaultRowHeight, &TCustomGrid::SetDefaultRowHeight>(t, "DefaultRowHeight");
    AddIntProp<TCustomGrid, &TCustomGrid::FixedCols, &TCustomGrid::SetFixedCols>(t, "FixedCols");
    AddIntProp<TCustomGrid, &TCustomGrid::FixedRows, &TCustomGrid::SetFixedRows>(t, "FixedRows");
    control_props::Font(t);
    AddIntProp<TCustomGrid, &TCustomGrid::GridLineWidth, &TCustomGrid::SetGridLineWidth>(t, "GridLineWidth");
    AddSetProp<TCustomGrid, &TCustomGrid::Options, &TCustomGrid::SetOptions>(
        t, "Options", "TGridOptions",
        {"goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine", "goRangeSelect", "goDrawFocusSelected",
         "goRowSizing", "goColSizing", "goRowMoving", "goColMoving", "goEditing", "goTabs", "goRowSelect",
         "goAlwaysShowEditor", "goThumbTracking"});
    control_props::ParentColor(t);
    control_props::ParentFont(t);
    control_props::ParentShowHint(t);
    AddIntProp<TCustomGrid, &TCustomGrid::RowCount, &TCustomGrid::SetRowCount>(t, "RowCount");
    control_props::ClickEvents(t);
    AddEventProp<TCustomGrid, &TCustomGrid::OnDrawCell>(t, "OnDrawCell", "TDrawCellEvent");
    AddEventProp<TCustomGrid, &TCustomGrid::OnGetEditText>(t, "OnGetEditText", "TGetEditEvent");
    control_props::MouseEvents(t);
    AddEventProp<TCustomGrid, &TCustomGrid::OnSelectCell>(t, "OnSelectCell", "TSelectCellEvent");
    AddEventProp<TCustomGrid, &TCustomGrid::OnSetEditText>(t, "OnSetEditText", "TSetEditEvent");
})

// ---- TStringGridStrings ------------------------------------------------------

QVN_DEFINE_CLASS_INFO(TStringGridStrings, TStrings)

int TStringGridStrings::Count() const
{
    const int lines = isColumn_ ? grid_->RowCount() : grid_->ColCount();
    const int lists = isColumn_ ? grid_->ColCount() : grid_->RowCount();
    // A list kept from before the grid shrank past it has no lines.
    return index_ < lists ? lines : 0;
}

void TStringGridStrings::CheckLine(int index) const
{
    if (index < 0 || index >= Count()) IndexError(index);
}

std::string TStringGridStrings::Get(int index) const
{
    CheckLine(index);
    return grid_->Cells(Col(index), Row(index));
}

void TStringGridStrings::Put(int index, const std::string& s)
{
    CheckLine(index);
    grid_->SetCells(Col(index), Row(index), s);
}

TObject* TStringGridStrings::GetObject(int index) const
{
    CheckLine(index);
    return grid_->Objects(Col(index), Row(index));
}

void TStringGridStrings::PutObject(int index, TObject* object)
{
    CheckLine(index);
    grid_->SetObjects(Col(index), Row(index), object);
}

int TStringGridStrings::AddObject(const std::string& s, TObject* object)
{
    for (int i = 0; i < Count(); ++i) {
        if (!Get(i).empty()) continue;
        // An empty text would leave the line looking free; a blank marks it used.
        Put(i, s.empty() ? " " : s);
        PutObject(i, object);
        return i;
    }
    return -1;
}

void TStringGridStrings::Insert(int, const std::string&) { throw EInvalidGridOperation("Cannot insert or delete grid lines"); }

void TStringGridStrings::Delete(int) { throw EInvalidGridOperation("Cannot insert or delete grid lines"); }

void TStringGridStrings::Clear()
{
    for (int i = 0; i < Count(); ++i) {
        Put(i, "");
        PutObject(i, nullptr);
    }
}

void TStringGridStrings::Assign(const TPersistent& source)
{
    const auto* lines = dynamic_cast<const TStrings*>(&source);
    if (lines == nullptr) {
        TStrings::Assign(source);
        return;
    }
    for (int i = 0; i < Count(); ++i) {
        const bool has = i < lines->Count();
        Put(i, has ? lines->Get(i) : "");
        PutObject(i, has ? lines->GetObject(i) : nullptr);
    }
}

// ---- TStringGrid -------------------------------------------------------------

QVN_DEFINE_CLASS_INFO(TStringGrid, TDrawGrid, [](TPropTable& t) {
    AddBoolProp<TStringGrid, &TStringGrid::DefaultDrawing, &TStringGrid::SetDefaultDrawing>(t, "DefaultDrawing");
})

TStringGrid::TStringGrid(TComponent* owner) : TDrawGrid(owner)
{
    cells_.resize(static_cast<size_t>(ColCount()) * static_cast<size_t>(RowCount()));
}

TStringGrid::~TStringGrid() = default;

void TStringGrid::SizeChanged(int oldColCount, int oldRowCount)
{
    std::vector<Cell> fresh(static_cast<size_t>(ColCount()) * static_cast<size_t>(RowCount()));
    const int cols = std::min(oldColCount, ColCount());
    const int rows = std::min(oldRowCount, RowCount());
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            fresh[static_cast<size_t>(r) * static_cast<size_t>(ColCount()) + static_cast<size_t>(c)] =
                std::move(cells_[static_cast<size_t>(r) * static_cast<size_t>(oldColCount) + static_cast<size_t>(c)]);
    cells_.swap(fresh);
}

AnsiString TStringGrid::Cells(int col, int row) const { return Inside(col, row) ? At(col, row).text : AnsiString(); }

void TStringGrid::SetCells(int col, int row, const AnsiString& text)
{
    if (!Inside(col, row)) IndexError();
    At(col, row).text = text;
    Invalidate();
}

TObject* TStringGrid::Objects(int col, int row) const { return Inside(col, row) ? At(col, row).object : nullptr; }

void TStringGrid::SetObjects(int col, int row, TObject* object)
{
    if (!Inside(col, row)) IndexError();
    At(col, row).object = object;
}

TStrings* TStringGrid::View(std::vector<std::unique_ptr<TStringGridStrings>>& views, bool isColumn, int index, int count)
{
    if (index < 0 || index >= count) IndexError();
    if (views.size() <= static_cast<size_t>(index)) views.resize(static_cast<size_t>(index) + 1);
    auto& view = views[static_cast<size_t>(index)];
    if (!view) view = std::make_unique<TStringGridStrings>(this, isColumn, index);
    return view.get();
}

TStrings* TStringGrid::Cols(int index) { return View(colViews_, true, index, ColCount()); }

TStrings* TStringGrid::Rows(int index) { return View(rowViews_, false, index, RowCount()); }

void TStringGrid::DrawCell(TCanvas& canvas, int col, int row, const TRect& rect, TGridDrawState state)
{
    if (defaultDrawing_) canvas.TextOut(rect.Left + 2, rect.Top + 2, Cells(col, row));
    TDrawGrid::DrawCell(canvas, col, row, rect, state);
}

AnsiString TStringGrid::GetEditText(int col, int row)
{
    AnsiString value = Cells(col, row);
    OnGetEditText(this, col, row, value);
    return value;
}

void TStringGrid::SetEditText(int col, int row, const AnsiString& value)
{
    if (Inside(col, row)) SetCells(col, row, value);
    TDrawGrid::SetEditText(col, row, value);
}

}  // namespace qvn
