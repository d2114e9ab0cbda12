#include "vcl/Screen.h"

#include <algorithm>

#include "vcl/Form.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TScreen, TComponent)

TScreen::TScreen()
    : TComponent(nullptr),
      iconFont_(std::make_unique<TFont>()),
      hintFont_(std::make_unique<TFont>()),
      menuFont_(std::make_unique<TFont>())
{
}

TScreen::~TScreen() = default;

TCustomForm* TScreen::Forms(int index) const
{
    if (index < 0 || index >= FormCount())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return forms_[static_cast<size_t>(index)];
}

void TScreen::AddForm(TCustomForm* form)
{
    if (form == nullptr || std::find(forms_.begin(), forms_.end(), form) != forms_.end()) return;
    forms_.push_back(form);
    zOrder_.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form)
{
    ClearFocus(form);
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), form), zOrder_.end());
}

void TScreen::SetFocus(TCustomForm* form, TWinControl* control)
{
    activeForm_ = form;
    activeControl_ = control;
    BringToFront(form);
}

void TScreen::ClearFocus(TCustomForm* form)
{
    if (activeForm_ == form) {
        activeForm_ = nullptr;
        activeControl_ = nullptr;
    }
    if (focusedForm_ == form) focusedForm_ = nullptr;
}

void TScreen::ControlDestroyed(TWinControl* control)
{
    if (activeControl_ == control) activeControl_ = activeForm_ != control ? activeForm_ : nullptr;
}

void TScreen::BringToFront(TCustomForm* form)
{
    auto it = std::find(zOrder_.begin(), zOrder_.end(), form);
    if (it == zOrder_.end() || it == zOrder_.begin()) return;
    zOrder_.erase(it);
    zOrder_.insert(zOrder_.begin(), form);
}

TCustomForm* TScreen::NextActiveCandidate(const TCustomForm* except) const
{
    for (TCustomForm* f : zOrder_)
        if (f != except && f->Visible() && f->Enabled() && !f->IsDestroying()) return f;
    return nullptr;
}

namespace {
TScreen* MakeScreen() { return new TScreen(); }
}  // namespace

TScreen* const Screen = MakeScreen();

}  // namespace qvn
