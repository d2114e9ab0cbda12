#pragma once
// A row of tabs without pages: Tabs holds the captions, TabIndex the chosen
// one. Choosing a tab (in code or with the mouse) asks OnChange, which may
// refuse, then fires OnClick. When lines go, TabIndex stays inside the list
// (an emptied list leaves -1).
//
// Headless geometry: tabs sit in one row from x = 5, each as wide as its
// caption plus 12, the control's height high.

#include <memory>

#include "vcl/CustomControl.h"
#include "vcl/Strings.h"

namespace qvn {

using TTabChangeEvent = Event<void(TObject* Sender, int NewTab, bool& AllowChange)>;

class TTabSet : public TCustomControl {
    QVN_CLASS_INFO()
public:
    explicit TTabSet(TComponent* owner);
    ~TTabSet() override;

    TStrings* Tabs() const { return tabs_.get(); }
    void SetTabs(const TStrings& tabs) { tabs_->Assign(tabs); }
    int TabIndex() const { return tabIndex_; }
    // -1 chooses none; other indexes outside the tabs are ignored.
    void SetTabIndex(int index);

    TRect TabRect(int index) const;
    int IndexOfTabAt(int x, int y) const;

    TTabChangeEvent OnChange;

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void TabsChanged(TObject*);

    std::unique_ptr<TStringList> tabs_;
    int tabIndex_ = -1;
};

}  // namespace qvn
