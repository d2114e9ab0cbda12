#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "vcl/Menus.h"
#include "vcl/PropAccess.h"
#include "VclTestKit.h"

namespace qvn::test {
namespace {

// The view menu of a program form: four radio items in group 1 and a plain item.
class MenuTest : public VclTest {
protected:
    void SetUp() override
    {
        form = NewShownForm("frm");
        menu = new TPopupMenu(form);
        for (const char* name : {"N7", "N8", "N9", "N10"}) {
            auto* item = new TMenuItem(form);
            item->SetName(name);
            item->SetCaption(name);
            item->SetRadioItem(true);
            item->SetGroupIndex(1);
            item->SetAutoCheck(true);
            menu->Items()->Add(item);
            radios.push_back(item);
        }
        plain = new TMenuItem(form);
        plain->SetCaption("&Open");
        plain->SetChecked(true);
        menu->Items()->Add(plain);
        radios[0]->SetChecked(true);
    }
    std::string Checked() const
    {
        std::string s;
        for (int i = 0; i < menu->Items()->Count(); ++i) s += menu->Items()->Items(i)->Checked() ? "1" : "0";
        return s;
    }

    TForm* form = nullptr;
    TPopupMenu* menu = nullptr;
    std::vector<TMenuItem*> radios;
    TMenuItem* plain = nullptr;
};

TEST_F(MenuTest, RadioItemsOfAGroupUncheckEachOther)
{
    EXPECT_EQ(Checked(), "10001");
    radios[2]->SetChecked(true);
    EXPECT_EQ(Checked(), "00101");
    radios[2]->Click();  // a checked radio item stays checked
    EXPECT_EQ(Checked(), "00101");
    radios[3]->Click();
    EXPECT_EQ(Checked(), "00011");

    radios[1]->SetGroupIndex(2);
    radios[1]->SetChecked(true);
    EXPECT_EQ(Checked(), "01011") << "another group";
    radios[3]->SetGroupIndex(2);  // joins group 2 checked: the other checked one goes
    EXPECT_EQ(Checked(), "00011");
}

TEST_F(MenuTest, ClickRunsOnClickOnlyWhenEnabledAndAutoCheckToggles)
{
    int clicks = 0;
    plain->OnClick = TNotifyEvent::From([&](TObject*) { ++clicks; });
    plain->SetAutoCheck(true);
    plain->Click();
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(plain->Checked());
    plain->SetEnabled(false);
    plain->Click();
    EXPECT_EQ(clicks, 1);
}

TEST_F(MenuTest, ShortCutsClickVisibleEnabledItems)
{
    int clicks = 0;
    plain->OnClick = TNotifyEvent::From([&](TObject*) { ++clicks; });
    plain->SetShortCut(ShortCut('O', {ssCtrl}));
    EXPECT_EQ(plain->ShortCut(), scCtrl | 'O');
    Word key = 0;
    TShiftState shift;
    ShortCutToKey(plain->ShortCut(), key, shift);
    EXPECT_EQ(key, 'O');
    EXPECT_EQ(shift, TShiftState{ssCtrl});
    EXPECT_TRUE(menu->IsShortCut('O', {ssCtrl}));
    EXPECT_FALSE(menu->IsShortCut('O', {}));
    plain->SetVisible(false);
    EXPECT_FALSE(menu->IsShortCut('O', {ssCtrl}));
    EXPECT_EQ(clicks, 1);
}

TEST_F(MenuTest, StructureEditsAndTheirErrors)
{
    TMenuItem* root = menu->Items();
    EXPECT_EQ(root->Find("open"), plain) << "hotkey marker and case ignored";
    EXPECT_EQ(plain->MenuIndex(), 4);
    EXPECT_EQ(plain->GetParentMenu(), menu);
    EXPECT_EQ(ErrorOf<EMenuError>([&] { root->Add(plain); }), "Menu inserted twice");
    EXPECT_EQ(ErrorOf<EMenuError>([&] { plain->Add(root); }), "Menu inserted twice");
    auto* sub = new TMenuItem(form);
    plain->Add(sub);
    EXPECT_EQ(ErrorOf<EMenuError>([&] {
                  root->Remove(plain);
                  sub->Add(plain);
              }),
              "Menu inserted twice")
        << "an item cannot go under its own sub-item";
    root->Add(plain);
    EXPECT_EQ(ErrorOf<EMenuError>([&] { root->Insert(9, new TMenuItem(form)); }), "Menu index out of range");
    EXPECT_EQ(ErrorOf<EMenuError>([&] { root->Delete(5); }), "Menu index out of range");
    EXPECT_EQ(ErrorOf<EListError>([&] { root->Items(5); }), "List index out of bounds (5)");
}

TEST_F(MenuTest, FreeingItemsDetachesAndFreesOnlyTheUnowned)
{
    auto* loose = new TMenuItem(nullptr);  // nobody owns it but its parent item
    auto* ownedChild = new TMenuItem(form);
    plain->Add(loose);
    plain->Add(ownedChild);
    FreeComponent(radios[1]);
    EXPECT_EQ(menu->Items()->Count(), 4);
    FreeComponent(plain);  // frees loose, detaches ownedChild
    EXPECT_EQ(menu->Items()->Count(), 3);
    EXPECT_EQ(ownedChild->Parent(), nullptr);
    menu->Items()->Add(ownedChild);
    FreeComponent(menu);  // the items stay with the form
    EXPECT_EQ(ownedChild->Parent(), nullptr);
    EXPECT_EQ(radios[0]->GetParentMenu(), nullptr);
}

TEST_F(MenuTest, PopupFiresOnPopupAndOwnerDrawIsPublished)
{
    int popups = 0;
    menu->OnPopup = TNotifyEvent::From([&](TObject*) { ++popups; });
    menu->Popup(10, 20);
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(menu->PopupPoint(), Point(10, 20));
    SetPropPath(menu, "OwnerDraw", Variant(true));
    EXPECT_TRUE(menu->OwnerDraw());
    auto* mainMenu = new TMainMenu(form);
    SetOrdPropByName(mainMenu, "OwnerDraw", 1);
    EXPECT_TRUE(mainMenu->OwnerDraw());
    EXPECT_EQ(GetObjectPropByName(mainMenu, "Items"), mainMenu->Items());
    SetPropPath(radios[0], "Caption", Variant("Big icons"));
    SetPropPath(radios[2], "Checked", Variant("True"));
    EXPECT_EQ(radios[0]->Caption(), "Big icons");
    EXPECT_FALSE(radios[0]->Checked());
}

}  // namespace
}  // namespace qvn::test
