#include "ui/editor/full_name_pool.h"

#include <utility>

namespace qs::ui {

const std::string& FullNamePool::operator()(std::int32_t slot) const {
    static const std::string kFree;
    return valid(slot) ? slots_[index(slot)].path : kFree;
}

void FullNamePool::Set(std::int32_t slot, std::string path) {
    if (!valid(slot)) return;
    slots_[index(slot)] = Slot{std::move(path), true};
}

void FullNamePool::Free(std::int32_t slot) {
    if (valid(slot)) slots_[index(slot)] = Slot{};
}

void FullNamePool::ReDim(std::int32_t upper) {
    Erase();
    if (upper >= 1) slots_.resize(static_cast<std::size_t>(upper));
}

void FullNamePool::ReDimPreserve(std::int32_t upper) {
    if (upper < 1) {
        Erase();
        return;
    }
    slots_.resize(static_cast<std::size_t>(upper));
}

void FullNamePool::Erase() {
    std::vector<Slot>().swap(slots_);
}

std::int32_t FullNamePool::FirstFree() const {
    for (std::int32_t slot = 1; slot <= UBound(); ++slot)
        if (!InUse(slot)) return slot;
    return 0;
}

std::int32_t FullNamePool::Take(std::string path, std::int32_t rowsBefore) {
    const std::int32_t ub = UBound();
    std::int32_t slot = 0;
    // Widened: 3 * rows must not overflow for a list near the 32-bit limit.
    if (std::int64_t{ub} > 3 * std::int64_t{rowsBefore}) slot = FirstFree();
    if (slot == 0) {
        // Every row names a distinct slot, so a pool of more than 3n slots always has a
        // free one; growing here only covers the pool at or below that mark.
        ReDimPreserve(ub + 1);
        slot = ub + 1;
    }
    Set(slot, std::move(path));
    return slot;
}

} // namespace qs::ui
