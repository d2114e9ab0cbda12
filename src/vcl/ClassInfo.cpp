#include "vcl/ClassInfo.h"

#include <algorithm>

namespace qvn {
namespace {

constexpr unsigned char FoldAscii(unsigned char c) { return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c; }

bool SameName(std::string_view a, std::string_view b) noexcept
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(static_cast<unsigned char>(a[i])) != FoldAscii(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

}  // namespace

TClassInfo::TClassInfo(const char* name, const TClassInfo* parent, Builder build) : name_(name), parent_(parent)
{
    if (parent_ != nullptr) ordered_ = parent_->ordered_;
    if (build != nullptr) {
        TPropTable table;
        build(table);
        own_ = std::move(table.Props());
        for (const auto& p : own_) {
            auto same = std::find_if(ordered_.begin(), ordered_.end(),
                                     [&](const TPropInfo* q) { return SameName(q->Name, p->Name); });
            // Republished: the derived declaration replaces the inherited one in place.
            if (same != ordered_.end())
                *same = p.get();
            else
                ordered_.push_back(p.get());
        }
    }
    BuildIndex();
}

void TClassInfo::BuildIndex()
{
    size_t size = 8;
    while (size < ordered_.size() * 2) size *= 2;
    slots_.assign(size, Slot{});
    mask_ = size - 1;
    keys_.clear();
    keys_.reserve(ordered_.size());  // no reallocation: slots point into these strings
    for (const TPropInfo* p : ordered_) {
        if (p->Name.empty()) continue;  // unreachable by name
        std::string& key = keys_.emplace_back(p->Name);
        for (char& c : key) c = static_cast<char>(FoldAscii(static_cast<unsigned char>(c)));
        const prop_name::NameKey k(key);
        size_t i = k.Hash() & (size - 1);
        while (slots_[i].Prop != nullptr) i = (i + 1) & (size - 1);
        slots_[i] = Slot{k.Head, k.Tail, static_cast<uint32_t>(key.size()), key.data(), p};
    }
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const
{
    for (const TClassInfo* c = this; c != nullptr; c = c->parent_)
        if (c == &other) return true;
    return false;
}

bool TClassInfo::MatchesFolded(const char* key, std::string_view name) noexcept
{
    for (size_t i = 0; i < name.size(); ++i)
        if (static_cast<unsigned char>(key[i]) != FoldAscii(static_cast<unsigned char>(name[i]))) return false;
    return true;
}

}  // namespace qvn
