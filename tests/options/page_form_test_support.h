#pragma once
// What the form pages' tests share: reading keys whole and the host double's reload count.
#include <map>
#include <memory>
#include <string>

#include "engine/protocol/window_messages.h"
#include "engine/registry/registry_access.h"
#include "platform/win32/registry_win32.h"
#include "tests/form_pages/form_page_fakes.h"
#include "tests/options/options_harness_win32.h"

namespace zembrik::testing {

using Values = std::map<std::string, std::string>;

// The values of Software\OBR\Zembrik\<path> ("" for the settings key itself).
inline Values storedValues(std::u16string_view path = u"") {
  auto settings = openTestSettings();
  if (path.empty())
    return valuesOf(*settings);
  OpenedKey key = settings->openSubkey(path, kKeyRead);
  return key ? valuesOf(*key.key) : Values{};
}

inline bool checked(HWND control) {
  return SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace zembrik::testing
