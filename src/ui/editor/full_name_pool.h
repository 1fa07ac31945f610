// The editor's pool of full picture paths (`FullNames`): slots numbered from 1, each
// holding the path of the row that names it. Rows name their slot through their item
// data, so moving a row never moves a path. The pool may hold no storage at all.
//
// A slot is free when no row names it. The pool keeps that as a flag of its own rather
// than reading "" as free: a slide loaded with an empty path still owns its slot, so a
// later Add can never make two rows share one path by reusing it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qs::ui {

class FullNamePool {
public:
    bool Allocated() const { return !slots_.empty(); }
    // The highest slot number; 0 while the pool holds no storage.
    std::int32_t UBound() const { return static_cast<std::int32_t>(slots_.size()); }

    // A slot number outside the pool reads as a free slot: item data is plain data,
    // and a handler must not fail on it.
    const std::string& operator()(std::int32_t slot) const;
    bool InUse(std::int32_t slot) const { return valid(slot) && slots_[index(slot)].inUse; }
    // Gives the slot to a row with this path; a number outside the pool is ignored.
    void Set(std::int32_t slot, std::string path);
    // The row naming the slot is gone: the slot holds "" and is free again.
    void Free(std::int32_t slot);

    // Slots 1 to upper, all free; upper < 1 leaves the pool without storage.
    void ReDim(std::int32_t upper);
    // Slots 1 to upper, keeping the slots that remain.
    void ReDimPreserve(std::int32_t upper);
    // Drops every slot and gives the memory back.
    void Erase();

    // The lowest free slot, 0 when none is free.
    std::int32_t FirstFree() const;
    // Stores a path for a new row and returns its slot. The pool grows by one slot
    // unless it has more than three slots per row (rowsBefore rows existing), in which
    // case the lowest free slot is reused: many deletions do not leave the pool
    // growing without bound, yet a few never cost a scan.
    std::int32_t Take(std::string path, std::int32_t rowsBefore);

private:
    struct Slot {
        std::string path;
        bool inUse = false;
    };
    bool valid(std::int32_t slot) const { return slot >= 1 && slot <= UBound(); }
    static std::size_t index(std::int32_t slot) { return static_cast<std::size_t>(slot - 1); }
    std::vector<Slot> slots_;
};

} // namespace qs::ui
