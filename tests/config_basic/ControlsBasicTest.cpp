#include <gtest/gtest.h>

#include "controls/BitCheckBox.h"
#include "controls/DBLabel.h"
#include "controls/ExtPageControl.h"
#include "controls/GSpeedButton.h"
#include "controls/QvBtnDBEdit.h"
#include "controls/QvDBEdit.h"
#include "controls/QvEdit.h"
#include "controls/QvRadioGroup.h"
#include "controls/QvSpinEdit.h"
#include "platform/Edition.h"
#include "vcl/Component.h"

namespace qvn {

// These aliases would clash with the classes: the build fails should the
// basic edition ever get them.
using TQvEdit = void;
using TQvDBEdit = void;
using TQvBtnDBEdit = void;

namespace {

static_assert(kBasicEdition, "this test program is built against the basic edition");

TEST(ControlsBasicTest, TheEditsWithLabelsAreLeftOutTheOthersArePresent)
{
    TComponent owner(nullptr);
    TComponent* present[] = {new TGSpeedButton(&owner), new TF2Button(&owner),       new TDBLabel(&owner),
                             new TBitCheckBox(&owner),  new TQvRadioButton(&owner),  new TQvRadioGroup(&owner),
                             new TQvSpinEdit(&owner),   new TExtPageControl(&owner)};
    for (TComponent* c : present) EXPECT_EQ(c->Owner(), &owner) << c->ClassName();
}

}  // namespace
}  // namespace qvn
