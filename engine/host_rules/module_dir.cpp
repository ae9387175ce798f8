#include "engine/host_rules/module_dir.h"

namespace zembrik {

std::u16string moduleDirOf(std::u16string_view modulePath) {
  auto cut = modulePath.rfind(u'\\');
  if (cut == std::u16string_view::npos)
    cut = modulePath.rfind(u'/');
  if (cut == std::u16string_view::npos)
    cut = modulePath.find(u':');
  if (cut == std::u16string_view::npos)
    return {};
  return std::u16string(modulePath.substr(0, cut + 1));
}

}  // namespace zembrik
