#include "vcl/PageControl.h"

#include <algorithm>

#include "vcl/AccelText.h"
#include "vcl/Form.h"
#include "vcl/ImageList.h"
#include "vcl/PropTable.h"

namespace qvn {
namespace {

constexpr int kTabTextMargin = 12;
constexpr int kBorder = 4;
constexpr int kTabStripTop = 2;

}  // namespace

// ---- TTabSheet -------------------------------------------------------------

QVN_DEFINE_CLASS_INFO(TTabSheet, TWinControl, [](TPropTable& t) {
    control_props::Caption(t);
    control_props::Font(t);
    AddIntProp<TTabSheet, &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex>(t, "ImageIndex", "TImageIndex");
    AddIntProp<TTabSheet, &TTabSheet::PageIndex, &TTabSheet::SetPageIndex>(t, "PageIndex");
    control_props::ParentFont(t);
    control_props::ParentShowHint(t);
    AddBoolProp<TTabSheet, &TTabSheet::TabVisible, &TTabSheet::SetTabVisible>(t, "TabVisible");
    control_props::ClickEvents(t);
    AddEventProp<TTabSheet, &TTabSheet::OnHide>(t, "OnHide");
    control_props::MouseEvents(t);
    control_props::OnResize(t);
    AddEventProp<TTabSheet, &TTabSheet::OnShow>(t, "OnShow");
})

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner)
{
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
    TControl::SetVisible(false);
    SetAlign(alClient);
}

TTabSheet::~TTabSheet()
{
    if (pageControl_ != nullptr) {
        TPageControl* pc = pageControl_;
        pageControl_ = nullptr;
        pc->RemovePage(this);
    }
}

void TTabSheet::SetPageControl(TPageControl* pageControl) { SetParent(pageControl); }

void TTabSheet::SetParent(TWinControl* parent)
{
    auto* pc = dynamic_cast<TPageControl*>(parent);
    if (pageControl_ != nullptr && pageControl_ != pc) {
        TPageControl* old = pageControl_;
        pageControl_ = nullptr;
        old->RemovePage(this);
    }
    TWinControl::SetParent(parent);
    if (pc != nullptr && pageControl_ != pc) {
        pageControl_ = pc;
        pc->InsertPage(this);
    }
}

int TTabSheet::PageIndex() const
{
    if (pageControl_ == nullptr) return -1;
    const auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int index)
{
    if (pageControl_ != nullptr) pageControl_->MovePage(this, index);
}

void TTabSheet::SetTabVisible(bool on)
{
    if (on == tabVisible_) return;
    tabVisible_ = on;
    if (pageControl_ != nullptr) pageControl_->TabVisibilityChanged(this);
}

int TTabSheet::TabIndex() const
{
    if (pageControl_ == nullptr || !tabVisible_) return -1;
    int index = 0;
    for (const TTabSheet* p : pageControl_->pages_) {
        if (p == this) return index;
        if (p->tabVisible_) ++index;
    }
    return -1;
}

void TTabSheet::VisibleChanged()
{
    TWinControl::VisibleChanged();
    if (Visible())
        OnShow(this);
    else
        OnHide(this);
}

// ---- TPageControl ----------------------------------------------------------

QVN_DEFINE_CLASS_INFO(TPageControl, TWinControl, [](TPropTable& t) {
    AddObjectProp<TPageControl, &TPageControl::ActivePage, &TPageControl::SetActivePage>(t, "ActivePage", "TTabSheet");
    control_props::Align(t);
    control_props::Font(t);
    AddBoolProp<TPageControl, &TPageControl::HotTrack, &TPageControl::SetHotTrack>(t, "HotTrack");
    AddObjectProp<TPageControl, &TPageControl::Images, &TPageControl::SetImages>(t, "Images", "TCustomImageList");
    AddBoolProp<TPageControl, &TPageControl::MultiLine, &TPageControl::SetMultiLine>(t, "MultiLine");
    control_props::ParentFont(t);
    control_props::ParentShowHint(t);
    AddEnumProp<TPageControl, &TPageControl::Style, &TPageControl::SetStyle>(t, "Style", "TTabStyle",
                                                                           {"tsTabs", "tsButtons", "tsFlatButtons"});
    AddIntProp<TPageControl, &TPageControl::TabHeight, &TPageControl::SetTabHeight>(t, "TabHeight", "Smallint");
    AddIntProp<TPageControl, &TPageControl::TabIndex, &TPageControl::SetTabIndex>(t, "TabIndex");
    AddEnumProp<TPageControl, &TPageControl::TabPosition, &TPageControl::SetTabPosition>(
        t, "TabPosition", "TTabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"});
    AddIntProp<TPageControl, &TPageControl::TabWidth, &TPageControl::SetTabWidth>(t, "TabWidth", "Smallint");
    AddEventProp<TPageControl, &TPageControl::OnChange>(t, "OnChange");
    AddEventProp<TPageControl, &TPageControl::OnChanging>(t, "OnChanging", "TTabChangingEvent");
    control_props::MouseEvents(t);
    control_props::OnResize(t);
})

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner), canvas_(std::make_unique<TCanvas>())
{
    SetTabStop(true);
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl()
{
    for (TTabSheet* p : pages_) p->pageControl_ = nullptr;
    pages_.clear();
    activePage_ = nullptr;
}

TCanvas* TPageControl::Canvas() const
{
    canvas_->Font()->Assign(*Font());
    return canvas_.get();
}

TTabSheet* TPageControl::Pages(int index) const
{
    if (index < 0 || index >= PageCount()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return pages_[static_cast<size_t>(index)];
}

void TPageControl::InsertPage(TTabSheet* page)
{
    pages_.push_back(page);
    // The first page of a control that shows none becomes the shown one.
    if (activePage_ == nullptr && page->tabVisible_ && !IsDestroying())
        SetActivePage(page);
    else
        Invalidate();
}

void TPageControl::RemovePage(TTabSheet* page)
{
    TTabSheet* next = page == activePage_ ? FindNextPage(page, true, true) : activePage_;
    if (next == page) next = nullptr;
    pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
    if (page == activePage_) {
        activePage_ = nullptr;
        if (!IsDestroying()) SetActivePage(next);
    }
    Invalidate();
}

void TPageControl::MovePage(TTabSheet* page, int index)
{
    auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it == pages_.end()) return;
    pages_.erase(it);
    index = std::clamp(index, 0, static_cast<int>(pages_.size()));
    pages_.insert(pages_.begin() + index, page);
    Invalidate();
}

void TPageControl::TabVisibilityChanged(TTabSheet* page)
{
    if (page == activePage_ && !page->tabVisible_) {
        // A shown page without a tab could not be left again by the user: show the next tab's page.
        TTabSheet* next = FindNextPage(page, true, true);
        SetActivePage(next != page ? next : nullptr);
    } else if (activePage_ == nullptr && page->tabVisible_) {
        SetActivePage(page);
    }
    Invalidate();
}

void TPageControl::SetActivePage(TTabSheet* page)
{
    if (page != nullptr && page->pageControl_ != this) return;
    if (page == activePage_) return;
    TTabSheet* old = activePage_;
    if (old != nullptr) {
        // Keep the focus on this control rather than losing it with the hidden sheet.
        TCustomForm* form = GetParentForm(this);
        if (form != nullptr && form->ActiveControl() != nullptr && old->ContainsControl(form->ActiveControl()) &&
            CanFocus())
            SetFocus();
    }
    activePage_ = page;
    const TControlLink alive = Link();
    if (page != nullptr) page->Show();
    if (!alive) return;
    if (old != nullptr && old->pageControl_ == this && old != activePage_) old->Hide();
    Invalidate();
}

void TPageControl::SetActivePageIndex(int index)
{
    SetActivePage(index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr);
}

int TPageControl::TabCount() const
{
    return static_cast<int>(std::count_if(pages_.begin(), pages_.end(), [](const TTabSheet* p) { return p->tabVisible_; }));
}

TTabSheet* TPageControl::PageForTab(int tabIndex) const
{
    if (tabIndex < 0) return nullptr;
    for (TTabSheet* p : pages_)
        if (p->tabVisible_ && tabIndex-- == 0) return p;
    return nullptr;
}

void TPageControl::SetTabIndex(int index)
{
    if (TTabSheet* page = PageForTab(index)) SetActivePage(page);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const
{
    const int count = PageCount();
    if (count == 0) return nullptr;
    int start = static_cast<int>(std::find(pages_.begin(), pages_.end(), current) - pages_.begin());
    if (start == count) start = goForward ? count - 1 : 0;
    int i = start;
    do {
        i = goForward ? (i + 1) % count : (i + count - 1) % count;
        TTabSheet* page = pages_[static_cast<size_t>(i)];
        if (!checkTabVisible || page->tabVisible_) return page;
    } while (i != start);
    return nullptr;
}

bool TPageControl::CanChange()
{
    bool allow = true;
    OnChanging(this, allow);
    return allow;
}

bool TPageControl::ChangePageByUser(TTabSheet* page)
{
    if (page == nullptr || page == activePage_ || page->pageControl_ != this) return false;
    const TControlLink alive = Link();
    if (!CanChange() || !alive || page->pageControl_ != this) return false;
    SetActivePage(page);
    if (!alive) return true;
    Change();
    return true;
}

void TPageControl::SelectNextPage(bool goForward, bool checkTabVisible)
{
    ChangePageByUser(FindNextPage(activePage_, goForward, checkTabVisible));
}

void TPageControl::SetImages(TImageList* images)
{
    if (ReferTo(images_, images)) Invalidate();
}

void TPageControl::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    ForgetIfFreed(images_, component, operation);
}

void TPageControl::SetTabHeight(int h)
{
    tabHeight_ = std::max(h, 0);
    Realign();
}

void TPageControl::SetTabWidth(int w)
{
    tabWidth_ = std::max(w, 0);
    Invalidate();
}

int TPageControl::TabStripHeight() const
{
    if (TabCount() == 0) return 0;
    return tabHeight_ > 0 ? tabHeight_ : Canvas()->TextHeight("Wg") + 6;
}

TRect TPageControl::TabRect(int tabIndex) const
{
    int left = 2;
    int index = 0;
    for (const TTabSheet* p : pages_) {
        if (!p->tabVisible_) continue;
        const int width = tabWidth_ > 0 ? tabWidth_ : Canvas()->TextWidth(p->Caption()) + kTabTextMargin;
        if (index == tabIndex) return Bounds(left, kTabStripTop, width, TabStripHeight());
        left += width;
        ++index;
    }
    return TRect{};
}

int TPageControl::IndexOfTabAt(int x, int y) const
{
    for (int i = 0; i < TabCount(); ++i)
        if (TabRect(i).Contains(Point(x, y))) return i;
    return -1;
}

void TPageControl::PaintTabs(TCanvas& canvas)
{
    const int active = TabIndex();
    for (int i = 0; i < TabCount(); ++i) DrawTab(canvas, i, TabRect(i), i == active);
}

void TPageControl::DrawTab(TCanvas& canvas, int tabIndex, const TRect& rect, bool active)
{
    if (OnDrawTab) {
        OnDrawTab(this, tabIndex, rect, active);
        return;
    }
    if (TTabSheet* page = PageForTab(tabIndex)) canvas.TextOut(rect.Left + kTabTextMargin / 2, rect.Top + 3, page->Caption());
}

void TPageControl::AdjustClientRect(TRect& rect) const
{
    rect.Top += TabStripHeight() + kTabStripTop;
    rect.Left += kBorder;
    rect.Top += kBorder;
    rect.Right -= kBorder;
    rect.Bottom -= kBorder;
    if (rect.Right < rect.Left) rect.Right = rect.Left;
    if (rect.Bottom < rect.Top) rect.Bottom = rect.Top;
}

bool TPageControl::DialogKey(Word key, TShiftState shift)
{
    if (key == VK_TAB && shift.Contains(ssCtrl) && !shift.Contains(ssAlt)) {
        TCustomForm* form = GetParentForm(this);
        TWinControl* focused = form != nullptr ? form->ActiveControl() : nullptr;
        if (focused != nullptr && ContainsControl(focused)) {
            SelectNextPage(!shift.Contains(ssShift));
            return true;
        }
    }
    return TWinControl::DialogKey(key, shift);
}

bool TPageControl::DialogChar(char key)
{
    if (CanFocus())
        for (TTabSheet* page : pages_)
            if (page->tabVisible_ && IsAccel(key, page->Caption())) {
                ChangePageByUser(page);
                return true;
            }
    return TWinControl::DialogChar(key);
}

void TPageControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    const TControlLink alive = Link();
    if (button == mbLeft) ChangePageByUser(PageForTab(IndexOfTabAt(x, y)));
    if (alive) TWinControl::MouseDown(button, shift, x, y);
}

}  // namespace qvn
