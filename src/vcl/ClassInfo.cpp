#include "vcl/ClassInfo.h"

namespace qvn {
namespace {

std::string UpperKey(std::string_view name)
{
    std::string key(name);
    for (char& c : key)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return key;
}

}  // namespace

TClassInfo::TClassInfo(const char* name, const TClassInfo* parent, Builder build) : name_(name), parent_(parent)
{
    if (parent_ != nullptr) {
        byName_ = parent_->byName_;
        ordered_ = parent_->ordered_;
    }
    if (build == nullptr) return;
    TPropTable table;
    build(table);
    own_ = std::move(table.Props());
    for (const auto& p : own_) {
        const std::string key = UpperKey(p->Name);
        auto it = byName_.find(key);
        if (it != byName_.end()) {
            // Republished: the derived declaration replaces the inherited one in place.
            for (auto& slot : ordered_)
                if (slot == it->second) slot = p.get();
            it->second = p.get();
        } else {
            byName_.emplace(key, p.get());
            ordered_.push_back(p.get());
        }
    }
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const
{
    for (const TClassInfo* c = this; c != nullptr; c = c->parent_)
        if (c == &other) return true;
    return false;
}

const TPropInfo* TClassInfo::FindProp(std::string_view name) const
{
    if (name.empty() || name.size() > 64) return nullptr;
    char buf[64];
    for (size_t i = 0; i < name.size(); ++i) {
        char c = name[i];
        buf[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    auto it = byName_.find(std::string(buf, name.size()));
    return it == byName_.end() ? nullptr : it->second;
}

}  // namespace qvn
