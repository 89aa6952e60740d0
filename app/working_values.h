// Each calculator's working values (what its solves and handlers keep between
// passes) are declared in its own folder; the main window holds one of each,
// made on first use, so its header names none of them and a calculator's values
// change rebuilds that calculator alone.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace trellis {

class WorkingValues {
 public:
  template <class T>
  T& Get() {
    const std::size_t slot = SlotOf<T>();
    if (slot >= slots_.size()) slots_.resize(slot + 1);
    std::shared_ptr<void>& held = slots_[slot];
    if (!held) held = std::make_shared<T>();
    return *static_cast<T*>(held.get());
  }

 private:
  static std::size_t NextSlot() {
    static std::size_t next = 0;
    return next++;
  }
  template <class T>
  static std::size_t SlotOf() {
    static const std::size_t slot = NextSlot();
    return slot;
  }
  std::vector<std::shared_ptr<void>> slots_;  // by type; shared_ptr<void> deletes as T
};

}  // namespace trellis
