#include "format/format_compile.h"

namespace zembrik {

bool compileFormat(std::u16string_view text, CompiledFormat& segments, bool /*cellMode*/,
                   const ZoneTable& /*zones*/) {
  segments.assign(1, std::u16string(text));
  return false;
}

std::u16string wrapByAlignment(std::u16string_view text, char16_t alignment) {
  if (alignment == u'<')
    return std::u16string(text) + u"<";
  if (alignment == u'>')
    return u">" + std::u16string(text);
  return u"<" + std::u16string(text) + u">";
}

CellFormat compileCellFormat(std::u16string_view text, char16_t alignment, const ZoneTable& zones) {
  CellFormat cell;
  cell.format = std::u16string(text);
  if (!compileFormat(text, cell.compiled, true, zones)) {
    cell.format = wrapByAlignment(text, alignment);
    compileFormat(cell.format, cell.compiled, true, zones);
  }
  return cell;
}

}  // namespace zembrik
