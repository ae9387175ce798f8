#include "options/dialog_template_win32.h"

#include <cstring>

namespace zembrik {

namespace {

// DLGTEMPLATEEX begins with dlgVer 1 and signature 0xFFFF; its fixed part is 26 bytes.
constexpr std::size_t kExtendedHeaderBytes = 26;
constexpr std::size_t kStyleOffset = 12;

std::size_t alignToDword(std::size_t offset) {
  return (offset + 3) & ~std::size_t{3};
}

WORD wordAt(const std::byte* data, std::size_t offset) {
  WORD value;
  std::memcpy(&value, data + offset, sizeof(value));
  return value;
}

// Offset just past a sz_Or_Ord field (menu, class): 0 alone, 0xFFFF and an ordinal, or a
// null-terminated string. Zero when the field runs past `size`.
std::size_t skipNameOrOrdinal(const std::byte* data, std::size_t offset, std::size_t size) {
  if (offset + 2 > size)
    return 0;
  const WORD first = wordAt(data, offset);
  if (first == 0)
    return offset + 2;
  if (first == 0xFFFF)
    return offset + 4 <= size ? offset + 4 : 0;
  return 0;  // a name: the caller skips it as a string
}

std::size_t skipString(const std::byte* data, std::size_t offset, std::size_t size) {
  while (offset + 2 <= size) {
    const WORD c = wordAt(data, offset);
    offset += 2;
    if (c == 0)
      return offset;
  }
  return 0;
}

std::size_t skipField(const std::byte* data, std::size_t offset, std::size_t size) {
  const std::size_t past = skipNameOrOrdinal(data, offset, size);
  return past != 0 ? past : skipString(data, offset, size);
}

void appendBytes(std::vector<std::byte>& out, const void* data, std::size_t size) {
  const auto* bytes = static_cast<const std::byte*>(data);
  out.insert(out.end(), bytes, bytes + size);
}

}  // namespace

std::vector<std::byte> loadDialogTemplate(HINSTANCE instance, int id, const OptionsFont& font) {
  const HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));
  if (found == nullptr)
    return {};
  const HGLOBAL loaded = LoadResource(instance, found);
  const auto* data = loaded ? static_cast<const std::byte*>(LockResource(loaded)) : nullptr;
  const std::size_t size = SizeofResource(instance, found);
  if (data == nullptr || size < kExtendedHeaderBytes)
    return {};
  std::vector<std::byte> original(data, data + size);

  const bool extended = wordAt(data, 0) == 1 && wordAt(data, 2) == 0xFFFF;
  DWORD style;
  std::memcpy(&style, data + kStyleOffset, sizeof(style));
  if (!font.inForce() || !extended || (style & DS_SETFONT) == 0)
    return original;

  // Menu, class and title, then the font: point size, weight, italic, charset, typeface.
  std::size_t offset = skipField(data, kExtendedHeaderBytes, size);
  offset = offset ? skipField(data, offset, size) : 0;
  offset = offset ? skipString(data, offset, size) : 0;
  if (offset == 0 || offset + 6 > size)
    return original;
  const std::size_t faceOffset = offset + 6;
  const std::size_t pastFace = skipString(data, faceOffset, size);
  if (pastFace == 0)
    return original;
  const std::size_t itemsOffset = alignToDword(pastFace);

  std::vector<std::byte> copy(data, data + offset);
  const WORD points = static_cast<WORD>(font.points);
  appendBytes(copy, &points, sizeof(points));
  appendBytes(copy, data + offset + 2, 4);  // weight, italic and charset stay the template's
  appendBytes(copy, font.face.c_str(), (font.face.size() + 1) * sizeof(char16_t));
  // Every item starts on a DWORD; copied from one aligned place to another they stay valid.
  copy.resize(alignToDword(copy.size()));
  if (itemsOffset < size)
    copy.insert(copy.end(), data + itemsOffset, data + size);
  return copy;
}

}  // namespace zembrik
