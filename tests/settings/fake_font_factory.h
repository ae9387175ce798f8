#pragma once
// A font factory that hands out numbered handles and records every creation and deletion.
#include <algorithm>
#include <string>
#include <vector>

#include "engine/settings/font_cache.h"

namespace zembrik::testing {

class FakeFontFactory final : public FontFactory {
 public:
  FontHandle createFont(const FontRequest& request) override {
    if (request.face == refusedFace)
      return 0;
    created.push_back(request);
    FontHandle handle = ++lastHandle;
    live.push_back(handle);
    return handle;
  }
  void deleteFont(FontHandle font) noexcept override {
    deleted.push_back(font);
    live.erase(std::remove(live.begin(), live.end(), font), live.end());
  }

  std::string refusedFace = "Refused";
  std::vector<FontRequest> created;
  std::vector<FontHandle> deleted;
  std::vector<FontHandle> live;
  FontHandle lastHandle = 0;
};

}  // namespace zembrik::testing
