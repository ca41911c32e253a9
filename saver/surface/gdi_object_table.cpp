#include "saver/surface/gdi_object_table.h"

namespace verdant {
namespace {

// Low bits: slot number + 1 (so no handle is 0); high bits: generation. Fits 32-bit handles.
constexpr int kSlotBits = 20;
constexpr std::uint32_t kSlotMask = (1u << kSlotBits) - 1;
constexpr std::uint32_t kMaxSlots = kSlotMask - 1;
constexpr std::uint32_t kGenerationMask = (1u << (32 - kSlotBits)) - 1;

GdiHandle MakeHandle(std::uint32_t slot, std::uint32_t generation) {
  return (GdiHandle{generation} << kSlotBits) | (slot + 1);
}

}  // namespace

GdiHandle GdiObjectTable::Add(GdiObject object) {
  std::uint32_t slot;
  if (!free_slots_.empty()) {
    slot = free_slots_.back();
    free_slots_.pop_back();
  } else if (slots_.size() < kMaxSlots) {
    slot = static_cast<std::uint32_t>(slots_.size());
    slots_.emplace_back();
  } else {
    return 0;
  }
  slots_[slot].object = std::move(object);
  return MakeHandle(slot, slots_[slot].generation);
}

GdiObjectTable::Slot* GdiObjectTable::SlotOf(GdiHandle handle) {
  const std::uint32_t number = handle & kSlotMask;
  if (number == 0 || number > slots_.size()) return nullptr;
  Slot& slot = slots_[number - 1];
  if (!slot.object || (handle >> kSlotBits) != slot.generation) return nullptr;
  return &slot;
}

GdiObject* GdiObjectTable::Find(GdiHandle handle) {
  Slot* slot = SlotOf(handle);
  return slot ? &*slot->object : nullptr;
}

void GdiObjectTable::Remove(GdiHandle handle) {
  Slot* slot = SlotOf(handle);
  if (!slot) return;
  slot->object.reset();
  slot->generation = (slot->generation + 1) & kGenerationMask;
  free_slots_.push_back(static_cast<std::uint32_t>(slot - slots_.data()));
}

}  // namespace verdant
