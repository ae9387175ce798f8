#pragma once
// `fontCache`: fonts shared by every cell of every clock in the process. A cell holds its font
// through a SharedFont; the font is deleted, and its slot emptied for reuse, when the last
// SharedFont for it goes away.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zembrik {

// A platform font (an HFONT on Windows); 0 is no font.
using FontHandle = std::uint64_t;

struct FontRequest {
  std::string face;  // 8-bit, at most 31 characters
  int size = 0;      // points
  int weight = 400;
  int third = 0;             // the font spec's third field: part of the sharing key only
  std::uint64_t window = 0;  // the window whose device context measures the font
  bool antialiased = true;
  int dpi = 0;  // 0: the resolution of the window's device context
};

// Filled by the painter on first use.
struct DigitWidths {
  bool measured = false;
  int zeroWidth = 0;
  int widestWidth = 0;
  char16_t widestDigit = u'0';
};

struct FontEntry {
  FontHandle handle = 0;
  int size = 0;
  int weight = 400;
  int third = 0;
  std::string face;
  std::uint64_t window = 0;
  bool antialiased = true;
  int dpi = 0;
  DigitWidths digits;
};

// Makes and deletes platform fonts; GDI on Windows, a counting fake in tests.
class FontFactory {
 public:
  virtual ~FontFactory() = default;
  // 0 when the platform refuses the font.
  virtual FontHandle createFont(const FontRequest& request) = 0;
  virtual void deleteFont(FontHandle font) noexcept = 0;
};

// The font height for a request: -(size * dpi / 72), the division truncating. Computed wide
// so that no size in a setting can overflow; the result is clamped to the int range.
int fontHeightForDpi(int size, int dpi) noexcept;

class FontCache;

// One user's hold on a cached font. Move-only; releasing the last hold deletes the font.
class SharedFont {
 public:
  SharedFont() noexcept = default;
  SharedFont(SharedFont&& other) noexcept;
  SharedFont& operator=(SharedFont&& other) noexcept;
  SharedFont(const SharedFont&) = delete;
  SharedFont& operator=(const SharedFont&) = delete;
  ~SharedFont();

  explicit operator bool() const noexcept { return entry_ != nullptr; }
  FontEntry* get() const noexcept { return entry_; }
  FontEntry* operator->() const noexcept { return entry_; }
  void reset() noexcept;

 private:
  friend class FontCache;
  SharedFont(FontCache* cache, std::size_t slot, FontEntry* entry) noexcept
      : cache_(cache), slot_(slot), entry_(entry) {}

  FontCache* cache_ = nullptr;
  std::size_t slot_ = 0;
  FontEntry* entry_ = nullptr;
};

class FontCache {
 public:
  explicit FontCache(FontFactory& factory) noexcept : factory_(factory) {}
  // Must outlive every SharedFont it handed out; fonts still held then are deleted anyway.
  ~FontCache();
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  // The font with the request's face (case-sensitive), size, weight, third field, window,
  // quality and DPI: an existing one, or a new one in the lowest free slot (else appended).
  // An empty SharedFont when the platform refuses the font.
  SharedFont acquire(const FontRequest& request);

  std::size_t slotCount() const noexcept { return slots_.size(); }
  std::size_t fontCount() const noexcept;
  // The font in a slot, null for an empty slot.
  const FontEntry* fontAt(std::size_t slot) const noexcept;

 private:
  friend class SharedFont;
  void release(std::size_t slot) noexcept;

  struct Slot {
    std::unique_ptr<FontEntry> entry;
    std::size_t users = 0;
  };
  FontFactory& factory_;
  std::vector<Slot> slots_;
};

}  // namespace zembrik
