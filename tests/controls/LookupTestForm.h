#pragma once
// What the program's controls need around them in a test: a form that
// records the lookup requests it receives, and a stand-in glyph library
// whose pictures can be odd sizes or fail to load.

#include <stdexcept>
#include <vector>

#include "controls/GSpeedButton.h"
#include "controls/QvMessages.h"
#include "vcl/Bitmap.h"
#include "vcl/Form.h"

namespace qvn::test {

// Records the control named by each QVM_F2KEY it receives.
class TLookupForm : public TForm {
public:
    explicit TLookupForm(TComponent* owner) : TForm(owner) {}
    std::vector<TWinControl*> Lookups;

    void Dispatch(TMessage& m) override
    {
        if (m.Msg == QVM_F2KEY) {
            Lookups.push_back(reinterpret_cast<TWinControl*>(m.LParam));
            return;
        }
        TForm::Dispatch(m);
    }
};

// A glyph library of 60 numbers: 10 is 46 x 23, 11 raises while loading,
// 12 is 10 x 20 (narrower than high), every other number has no picture.
class FakeGlyphs {
public:
    static constexpr int kWide = 10, kThrows = 11, kTall = 12;
    FakeGlyphs() : previous_(SetGlyphSource({&MaxId, &Load})) {}
    ~FakeGlyphs() { SetGlyphSource(previous_); }
    FakeGlyphs(const FakeGlyphs&) = delete;
    FakeGlyphs& operator=(const FakeGlyphs&) = delete;

private:
    static int MaxId() { return 60; }
    static bool Load(TBitmap* bitmap, int index)
    {
        switch (index) {
        case kWide: bitmap->SetSize(46, 23); return true;
        case kThrows: throw std::runtime_error("bad picture");
        case kTall: bitmap->SetSize(10, 20); return true;
        default: return false;
        }
    }
    TGlyphSource previous_;
};

}  // namespace qvn::test
