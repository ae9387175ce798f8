#include "engine/addons/addon_table.h"

#include <algorithm>

namespace zembrik {

std::vector<AddonRecord>::iterator AddonTable::findFromLast(std::int32_t id) {
  auto found = std::find_if(records_.rbegin(), records_.rend(),
                            [id](const AddonRecord& record) { return record.id == id; });
  return found == records_.rend() ? records_.end() : std::prev(found.base());
}

RegisterChange AddonTable::registerAddon(std::int32_t id, std::uint64_t window) {
  auto found = findFromLast(id);
  if (found != records_.end()) {
    if (found->window == window)
      return RegisterChange::Unchanged;
    found->window = window;
    return RegisterChange::WindowReplaced;
  }
  if (records_.size() >= kMaxAddons)
    return RegisterChange::Refused;
  records_.push_back({id, window});
  ids_.push_back(id);
  return RegisterChange::Appended;
}

bool AddonTable::unregisterAddon(std::int32_t id) {
  auto found = findFromLast(id);
  if (found == records_.end())
    return false;
  ids_.erase(ids_.begin() + (found - records_.begin()));
  records_.erase(found);
  return true;
}

std::optional<std::uint64_t> AddonTable::windowOf(std::int32_t id) const {
  auto found = std::find_if(records_.rbegin(), records_.rend(),
                            [id](const AddonRecord& record) { return record.id == id; });
  if (found == records_.rend())
    return std::nullopt;
  return found->window;
}

}  // namespace zembrik
