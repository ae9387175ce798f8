#include "engine/settings/font_cache.h"

#include <limits>
#include <utility>

namespace zembrik {

namespace {

bool sameFont(const FontEntry& entry, const FontRequest& request) noexcept {
  // Quality and DPI are part of the key: a cell that asks for an unsmoothed font, or a clock on
  // a monitor of another DPI, must not be handed a font made for someone else.
  return entry.face == request.face && entry.size == request.size &&
         entry.window == request.window && entry.weight == request.weight &&
         entry.third == request.third && entry.antialiased == request.antialiased &&
         entry.dpi == request.dpi;
}

}  // namespace

int fontHeightForDpi(int size, int dpi) noexcept {
  std::int64_t height = -(std::int64_t{size} * dpi / 72);
  if (height > std::numeric_limits<int>::max())
    return std::numeric_limits<int>::max();
  if (height < std::numeric_limits<int>::min())
    return std::numeric_limits<int>::min();
  return static_cast<int>(height);
}

SharedFont::SharedFont(SharedFont&& other) noexcept
    : cache_(std::exchange(other.cache_, nullptr)),
      slot_(other.slot_),
      entry_(std::exchange(other.entry_, nullptr)) {}

SharedFont& SharedFont::operator=(SharedFont&& other) noexcept {
  if (this != &other) {
    reset();
    cache_ = std::exchange(other.cache_, nullptr);
    slot_ = other.slot_;
    entry_ = std::exchange(other.entry_, nullptr);
  }
  return *this;
}

SharedFont::~SharedFont() {
  reset();
}

void SharedFont::reset() noexcept {
  if (cache_ != nullptr)
    cache_->release(slot_);
  cache_ = nullptr;
  entry_ = nullptr;
}

FontCache::~FontCache() {
  for (auto slot = slots_.rbegin(); slot != slots_.rend(); ++slot) {
    if (slot->entry)
      factory_.deleteFont(slot->entry->handle);
  }
}

SharedFont FontCache::acquire(const FontRequest& request) {
  std::size_t freeSlot = slots_.size();
  for (std::size_t i = slots_.size(); i-- > 0;) {
    Slot& slot = slots_[i];
    if (!slot.entry) {
      freeSlot = i;  // searching downwards, the last one seen is the lowest
      continue;
    }
    if (sameFont(*slot.entry, request)) {
      ++slot.users;
      return SharedFont(this, i, slot.entry.get());
    }
  }

  // Everything that can throw happens before the platform font exists, so it cannot leak.
  auto entry = std::make_unique<FontEntry>();
  entry->size = request.size;
  entry->weight = request.weight;
  entry->third = request.third;
  entry->face = request.face;
  entry->window = request.window;
  entry->antialiased = request.antialiased;
  entry->dpi = request.dpi;
  if (freeSlot == slots_.size())
    slots_.reserve(slots_.size() + 1);

  entry->handle = factory_.createFont(request);
  if (entry->handle == 0)
    return {};

  if (freeSlot == slots_.size())
    slots_.emplace_back();
  Slot& slot = slots_[freeSlot];
  slot.entry = std::move(entry);
  slot.users = 1;
  return SharedFont(this, freeSlot, slot.entry.get());
}

std::size_t FontCache::fontCount() const noexcept {
  std::size_t count = 0;
  for (const Slot& slot : slots_) count += slot.entry ? 1 : 0;
  return count;
}

const FontEntry* FontCache::fontAt(std::size_t slot) const noexcept {
  return slot < slots_.size() ? slots_[slot].entry.get() : nullptr;
}

void FontCache::release(std::size_t index) noexcept {
  if (index >= slots_.size())
    return;
  Slot& slot = slots_[index];
  if (!slot.entry || slot.users == 0 || --slot.users != 0)
    return;
  factory_.deleteFont(slot.entry->handle);
  slot.entry.reset();
}

}  // namespace zembrik
