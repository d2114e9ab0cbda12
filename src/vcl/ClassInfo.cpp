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
    std::vector<Slot> entries;
    entries.reserve(ordered_.size());
    for (const TPropInfo* p : ordered_) {
        if (p->Name.empty()) continue;  // unreachable by name
        const prop_name::NameKey k(p->Name);
        entries.push_back(Slot{k.Head, k.Tail, k.Length, p});
    }
    unsigned bits = 4;
    while ((size_t{1} << bits) < 4 * entries.size()) ++bits;
    mask_ = (size_t{1} << bits) - 1;
    shift_ = 64 - bits;
    // Offsets move the slot boundaries over the hashes, which separates names
    // whose hashes are close; a fixed sequence keeps the layout the same on every run.
    uint64_t best = 0;
    size_t bestAway = PlaceAll(entries, best);
    for (uint64_t attempt = 1; attempt < 256 && bestAway > 0; ++attempt) {
        const uint64_t offset = attempt * 0xD6E8FEB86659FD93ull;
        if (const size_t away = PlaceAll(entries, offset); away < bestAway) {
            bestAway = away;
            best = offset;
        }
    }
    if (offset_ != best) PlaceAll(entries, best);
}

size_t TClassInfo::PlaceAll(const std::vector<Slot>& entries, uint64_t offset)
{
    slots_.assign(mask_ + 1, Slot{});
    offset_ = offset;
    size_t away = 0;
    for (const Slot& entry : entries) {
        const prop_name::NameKey k(entry.Prop->Name);
        size_t i = HomeSlot(k.CaseBlindMixed() * kHashMultiplier);
        if (slots_[i].Prop != nullptr) ++away;
        while (slots_[i].Prop != nullptr) i = (i + 1) & mask_;
        slots_[i] = entry;
    }
    return away;
}

const TPropInfo* TClassInfo::ProbeFrom(size_t i, const prop_name::NameKey& k, std::string_view name) const
{
    for (;; i = (i + 1) & mask_) {
        const Slot& slot = slots_[i];
        if (slot.Prop == nullptr) return nullptr;
        if (slot.Length != k.Length) continue;
        if (slot.Head == k.Head && slot.Tail == k.Tail && k.IsComplete()) return slot.Prop;
        if (SameNameAscii(slot.Prop->Name, name)) return slot.Prop;  // another case, or a long name
    }
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const
{
    for (const TClassInfo* c = this; c != nullptr; c = c->parent_)
        if (c == &other) return true;
    return false;
}

bool TClassInfo::SameNameAscii(std::string_view a, std::string_view b) noexcept { return SameName(a, b); }

}  // namespace qvn
