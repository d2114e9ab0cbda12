#pragma once
// Pages: a page control shows one of its tab sheets at a time, with a row of
// tabs above them. A sheet whose TabVisible is off has no tab; tab indexes
// count only the sheets that have one.
//
// Changing pages: setting ActivePage (or ActivePageIndex, TabIndex) from
// code switches at once, without events. A change the user asks for (a
// click on a tab, Ctrl+Tab, SelectNextPage) first asks OnChanging, which may
// refuse, and fires OnChange afterwards. The sheet being left fires OnHide,
// the one shown OnShow. When the focus was inside the sheet being left it
// moves to the page control. The accelerator of a tab's caption is such a
// change too; the controls on the pages that are not shown never see accelerators.
//
// Headless geometry: tabs sit in one row from x = 2, y = 2, each as wide as
// its caption plus 12 (or TabWidth) and text height + 6 high (or
// TabHeight); the sheets fill the rest inside a 4-pixel border.

#include <memory>
#include <vector>

#include "vcl/Canvas.h"
#include "vcl/WinControl.h"

namespace qvn {

class TPageControl;
class TImageList;

class TTabSheet : public TWinControl {
    QVN_CLASS_INFO()
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return pageControl_; }
    // The same as setting Parent to the page control (or nullptr).
    void SetPageControl(TPageControl* pageControl);
    void SetParent(TWinControl* parent) override;

    // Position among the page control's sheets (-1 without one); setting moves the sheet (clamped).
    int PageIndex() const;
    void SetPageIndex(int index);
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool on);
    // Position among the sheets with a visible tab; -1 when its tab is hidden.
    int TabIndex() const;
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index) { imageIndex_ = index; }

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

protected:
    void VisibleChanged() override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
    int imageIndex_ = -1;
};

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };

using TTabChangingEvent = Event<void(TObject* Sender, bool& AllowChange)>;
using TDrawTabEvent = Event<void(TObject* Control, int TabIndex, const TRect& Rect, bool Active)>;

class TPageControl : public TWinControl {
    QVN_CLASS_INFO()
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    // Raises EListError "List index out of bounds (N)" out of range.
    TTabSheet* Pages(int index) const;

    TTabSheet* ActivePage() const { return activePage_; }
    // nullptr or a sheet of this control (others are ignored).
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const { return activePage_ != nullptr ? activePage_->PageIndex() : -1; }
    // An index outside the pages leaves no page active.
    void SetActivePageIndex(int index);
    // The active page's tab index (-1 when none); setting shows the page of that tab (others ignored).
    int TabIndex() const { return activePage_ != nullptr ? activePage_->TabIndex() : -1; }
    void SetTabIndex(int index);
    // Number of visible tabs, and the sheet of a tab (nullptr out of range).
    int TabCount() const;
    TTabSheet* PageForTab(int tabIndex) const;

    // The page after (or before) current, wrapping; with checkTabVisible only
    // pages with a visible tab. nullptr when there is none.
    TTabSheet* FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const;
    // As a user would: asks OnChanging, switches, fires OnChange.
    void SelectNextPage(bool goForward, bool checkTabVisible = true);
    bool ChangePageByUser(TTabSheet* page);

    TRect TabRect(int tabIndex) const;
    // Tab index at a point of the client area, -1 when none.
    int IndexOfTabAt(int x, int y) const;
    // Draws every tab through DrawTab (the backend's or a test's canvas).
    void PaintTabs(TCanvas& canvas);

    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    int TabHeight() const { return tabHeight_; }
    void SetTabHeight(int h);
    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int w);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool on) { multiLine_ = on; }
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool on) { ownerDraw_ = on; }
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool on) { hotTrack_ = on; }
    TTabPosition TabPosition() const { return tabPosition_; }
    void SetTabPosition(TTabPosition p) { tabPosition_ = p; }
    TTabStyle Style() const { return style_; }
    void SetStyle(TTabStyle s) { style_ = s; }
    TCanvas* Canvas() const;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;
    // Draws a tab when assigned (see DrawTab).
    TDrawTabEvent OnDrawTab;

protected:
    virtual bool CanChange();
    virtual void Change() { OnChange(this); }
    // OnDrawTab when assigned, else the caption in the tab.
    virtual void DrawTab(TCanvas& canvas, int tabIndex, const TRect& rect, bool active);
    void AdjustClientRect(TRect& rect) const override;
    bool DialogKey(Word key, TShiftState shift) override;
    bool DialogChar(char key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void MovePage(TTabSheet* page, int index);
    void TabVisibilityChanged(TTabSheet* page);
    int TabStripHeight() const;

    std::vector<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
    std::unique_ptr<TCanvas> canvas_;
    TImageList* images_ = nullptr;
    int tabHeight_ = 0;
    int tabWidth_ = 0;
    bool multiLine_ = false;
    bool ownerDraw_ = false;
    bool hotTrack_ = false;
    TTabPosition tabPosition_ = tpTop;
    TTabStyle style_ = tsTabs;
};

}  // namespace qvn
