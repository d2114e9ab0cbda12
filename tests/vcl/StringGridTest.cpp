#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "vcl/Grids.h"
#include "vcl/PropAccess.h"
#include "VclTestKit.h"

namespace qvn::test {
namespace {

class StringGridTest : public VclTest {
protected:
    void SetUp() override
    {
        form = NewShownForm("frm");
        grid = new TStringGrid(form);
        grid->SetName("grid");
        grid->SetParent(form);
        grid->SetColCount(4);
        grid->SetRowCount(3);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c) grid->SetCells(c, r, std::to_string(c) + "," + std::to_string(r));
    }
    TForm* form = nullptr;
    TStringGrid* grid = nullptr;
};

TEST_F(StringGridTest, ResizingKeepsTheCellsStillInside)
{
    grid->SetColCount(2);
    grid->SetRowCount(5);
    EXPECT_EQ(grid->Cells(1, 2), "1,2");
    EXPECT_EQ(grid->Cells(1, 4), "");
    EXPECT_EQ(grid->Cells(3, 0), "") << "outside now";
    grid->SetColCount(4);
    EXPECT_EQ(grid->Cells(3, 0), "") << "a column that came back starts empty";
    EXPECT_EQ(grid->Cells(0, 0), "0,0");
    grid->SetRowCount(0);
    EXPECT_EQ(grid->RowCount(), 1);
    EXPECT_EQ(grid->FixedRows(), 0) << "fixed rows shrink to leave one row";
    EXPECT_EQ(grid->Row(), 0);
}

TEST_F(StringGridTest, BadIndexesGiveNeutralReadsAndRaisingWrites)
{
    const std::string range = "Grid index out of range";
    EXPECT_EQ(grid->Cells(-1, 0), "");
    EXPECT_EQ(grid->Objects(4, 0), nullptr);
    EXPECT_EQ(grid->ColWidths(9), grid->DefaultColWidth());
    EXPECT_EQ(ErrorOf<EInvalidGridOperation>([&] { grid->SetCells(4, 0, "x"); }), range);
    EXPECT_EQ(ErrorOf<EInvalidGridOperation>([&] { grid->SetColWidths(4, 10); }), range);
    EXPECT_EQ(ErrorOf<EInvalidGridOperation>([&] { grid->SetRowHeights(-1, 10); }), range);
    EXPECT_EQ(ErrorOf<EInvalidGridOperation>([&] { grid->Cols(4); }), range);
    EXPECT_EQ(ErrorOf<EInvalidGridOperation>([&] { grid->Rows(3); }), range);
    EXPECT_EQ(ErrorOf<EInvalidGridOperation>([&] { grid->SetCol(0); }), range) << "a fixed column";
    EXPECT_EQ(ErrorOf<EInvalidGridOperation>([&] { grid->SetRow(3); }), range);
    EXPECT_EQ(ErrorOf<EInvalidGridOperation>([&] { grid->SetFixedCols(4); }),
              "Fixed column count must be less than column count");
    EXPECT_EQ(ErrorOf<EInvalidGridOperation>([&] { grid->SetFixedRows(3); }), "Fixed row count must be less than row count");
    EXPECT_EQ(ErrorOf<EInvalidGridOperation>([&] { grid->SetFixedRows(-1); }), range);
}

TEST_F(StringGridTest, ColumnsAndRowsAreStringListsOverTheCells)
{
    TStrings* col2 = grid->Cols(2);
    EXPECT_EQ(col2->Count(), 3);
    EXPECT_EQ(col2->Get(1), "2,1");
    col2->Put(0, "head");
    EXPECT_EQ(grid->Cells(2, 0), "head");
    TStrings* row1 = grid->Rows(1);
    EXPECT_EQ(row1->Count(), 4);
    EXPECT_EQ(row1->CommaText(), "\"0,1\",\"1,1\",\"2,1\",\"3,1\"");
    row1->Clear();
    EXPECT_EQ(grid->Cells(3, 1), "");
    EXPECT_EQ(row1->Add("first"), 0);
    EXPECT_EQ(row1->Add(""), 1) << "an empty text still takes a line";
    EXPECT_EQ(grid->Cells(1, 1), " ");
    EXPECT_NE(ErrorOf<EInvalidGridOperation>([&] { row1->Insert(0, "x"); }), "<no error>");

    TStringList source;
    source.SetCommaText("a,b");
    grid->SetRows(2, source);
    EXPECT_EQ(grid->Rows(2)->CommaText(), "a,b,,");

    grid->SetColCount(2);
    EXPECT_EQ(col2->Count(), 0) << "a kept list of a removed column is empty";
    EXPECT_NE(ErrorOf<EStringListError>([&] { col2->Get(0); }), "<no error>");
}

TEST_F(StringGridTest, CurrentCellMovesByKeysAndOnSelectCellCanRefuse)
{
    robot.Focus(grid);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);
    const struct {
        Word key;
        TShiftState shift;
        int col, row;
    } steps[] = {
        {VK_RIGHT, {}, 2, 1}, {VK_DOWN, {}, 2, 2},         {VK_DOWN, {}, 2, 2}, {VK_END, {}, 3, 2},
        {VK_HOME, {}, 1, 2},  {VK_HOME, {ssCtrl}, 1, 1},   {VK_LEFT, {}, 1, 1},
    };
    for (const auto& s : steps) {
        robot.PressKey(s.key, s.shift);
        EXPECT_EQ(grid->Col(), s.col) << "key " << s.key;
        EXPECT_EQ(grid->Row(), s.row) << "key " << s.key;
    }
    EXPECT_TRUE(grid->Focused());

    grid->OnSelectCell = TSelectCellEvent::From([](TObject*, int col, int, bool& ok) { ok = col != 3; });
    EXPECT_FALSE(grid->FocusCell(3, 2));
    EXPECT_EQ(grid->Col(), 1);
    const TRect cell = grid->CellRect(2, 2);
    Application->SendMessage(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MakePointParam(cell.Left + 1, cell.Top + 1));
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 2);
}

TEST_F(StringGridTest, TabMovesThroughCellsOnlyWithGoTabs)
{
    auto* after = new TTestEdit(form, form, "after");
    robot.Focus(grid);
    robot.PressKey(VK_TAB);
    EXPECT_EQ(form->ActiveControl(), after);
    grid->SetOptions(grid->Options() + TGridOptions{goTabs});
    robot.Focus(grid);
    grid->FocusCell(3, 1);
    robot.PressKey(VK_TAB);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 2) << "wraps to the next row";
    EXPECT_TRUE(grid->Focused());
}

TEST_F(StringGridTest, TypingEditsTheCurrentCellWithGoEditing)
{
    robot.Type(grid, "typed");
    EXPECT_EQ(grid->Cells(1, 1), "1,1") << "not editable";
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    std::string seen;
    grid->OnSetEditText = TSetEditEvent::From([&](TObject*, int c, int r, const AnsiString& v) {
        seen = std::to_string(c) + std::to_string(r) + v;
    });
    grid->FocusCell(2, 1);
    robot.Type(grid, "typed");
    EXPECT_EQ(grid->Cells(2, 1), "typed");
    EXPECT_EQ(seen, "21typed");
    EXPECT_EQ(grid->Text(), "typed");
    EXPECT_TRUE(grid->EditorMode());
}

TEST_F(StringGridTest, SizesAndRowSelect)
{
    grid->SetColWidths(1, 100);
    grid->SetDefaultRowHeight(18);
    EXPECT_EQ(grid->ColWidths(1), 100);
    EXPECT_EQ(grid->RowHeights(2), 18);
    EXPECT_EQ(grid->CellRect(2, 1), Bounds(64 + 1 + 100 + 1, 18 + 1, 64, 18));
    grid->SetDefaultColWidth(50);
    EXPECT_EQ(grid->ColWidths(1), 50) << "a new default resets every column";
    int col = -1, row = -1;
    EXPECT_FALSE(grid->MouseToCell(5000, 5, col, row));
    grid->SetOptions(grid->Options() + TGridOptions{goRowSelect});
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 3, 1}));
}

TEST_F(StringGridTest, DrawCellVisitsEveryCellWithItsState)
{
    std::vector<std::string> drawn;
    grid->SetRowCount(2);
    grid->SetColCount(2);
    grid->OnDrawCell = TDrawCellEvent::From([&](TObject*, int c, int r, const TRect&, TGridDrawState s) {
        drawn.push_back(std::to_string(c) + std::to_string(r) + (s.Contains(gdFixed) ? "F" : "") +
                        (s.Contains(gdSelected) ? "S" : ""));
    });
    TCanvas canvas;
    grid->PaintCells(canvas);
    EXPECT_EQ(drawn, (std::vector<std::string>{"00F", "10F", "01F", "11S"}));
}

TEST_F(StringGridTest, GridPropertiesArePublished)
{
    SetPropPath(grid, "Options", Variant("[goFixedVertLine,goEditing,goRowSelect]"));
    EXPECT_EQ(grid->Options(), (TGridOptions{goFixedVertLine, goEditing, goRowSelect}));
    SetPropPath(grid, "RowCount", Variant(9));
    SetPropPath(grid, "DefaultRowHeight", Variant(18));
    EXPECT_EQ(grid->RowCount(), 9);
    EXPECT_EQ(grid->DefaultRowHeight(), 18);
    EXPECT_FALSE(TrySetPropPath(grid, "FixedCols", Variant(4)));
    EXPECT_EQ(grid->ClassName(), "TStringGrid");
    EXPECT_TRUE(grid->InheritsFrom(TDrawGrid::StaticClassInfo()));
}

}  // namespace
}  // namespace qvn::test
