#include "lang/ComponentTexts.h"

#include "vcl/Component.h"

namespace qvn {

void ConvertComponentTexts(TComponent*, uint8_t, const TextConversion&) {}

void ForEachCollectionItem(TObject*, const std::function<void(TObject*)>&) {}

}  // namespace qvn
