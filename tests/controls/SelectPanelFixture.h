#pragma once
// A shown form recording lookup requests, with a selection panel and an edit
// beside it to move the focus to.

#include <string>
#include <vector>

#include "controls/LookupTestForm.h"
#include "controls/SelectPnl.h"
#include "vcl/Edit.h"
#include "vcl/VclTestKit.h"

namespace qvn::test {

class SelectPanelTest : public VclTest {
protected:
    void SetUp() override
    {
        form = NewShownForm<TLookupForm>("frmPanel", 600, 400);
        panel = new TSelectPanel(form);
        panel->SetName("sp01");
        panel->SetParent(form);
        panel->SetBounds(10, 10, 353, 45);
        other = new TEdit(form);
        other->SetName("edOther");
        other->SetParent(form);
        other->SetTop(300);
    }

    // Rows of the list: caption first, then the sub-items.
    std::vector<std::vector<std::string>> Rows() const
    {
        std::vector<std::vector<std::string>> rows;
        TListItems* items = panel->ItemList()->Items();
        for (int i = 0; i < items->Count(); ++i) {
            std::vector<std::string> row{items->Item(i)->Caption()};
            for (int k = 0; k < items->Item(i)->SubItems()->Count(); ++k) row.push_back(items->Item(i)->SubItems()->Get(k));
            rows.push_back(row);
        }
        return rows;
    }

    void SetRange(const std::string& begin, const std::string& end)
    {
        panel->BeginEdit()->SetText(begin);
        panel->EndEdit()->SetText(end);
    }

    // Enters the panel and leaves it, as a person tabbing through would.
    void PassThrough()
    {
        robot.Focus(panel->BeginEdit());
        robot.Focus(other);
    }

    TLookupForm* form = nullptr;
    TSelectPanel* panel = nullptr;
    TEdit* other = nullptr;
};

using RowList = std::vector<std::vector<std::string>>;

}  // namespace qvn::test
