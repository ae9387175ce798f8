#include "engine/settings/monitor_keys.h"

#include <string>

namespace zembrik {
namespace {

bool equalsIgnoringAsciiCase(std::u16string_view text, std::u16string_view lowerCase) {
  if (text.size() != lowerCase.size())
    return false;
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c >= u'A' && c <= u'Z')
      c = static_cast<char16_t>(c - u'A' + u'a');
    if (c != lowerCase[i])
      return false;
  }
  return true;
}

std::u16string decimal(long long value) {
  std::string narrow = std::to_string(value);
  return std::u16string(narrow.begin(), narrow.end());
}

}  // namespace

std::u16string monitorIdFromDeviceId(std::u16string_view deviceId) {
  std::u16string id(deviceId.substr(0, deviceId.find(u'{')));
  if (!id.empty() && id.back() == u'\\')
    id.pop_back();
  if (!id.empty() && id.front() == u'\\')
    id.erase(0, 1);
  if (id.size() >= 7 && equalsIgnoringAsciiCase(std::u16string_view(id).substr(0, 7), u"monitor")) {
    id.erase(0, 7);
    if (!id.empty() && id.front() == u'\\')
      id.erase(0, 1);
  }
  for (char16_t& c : id)
    if (c == u'\\')
      c = u'_';
  return id;
}

std::u16string monitorKeyName(std::u16string_view monitorId) {
  if (monitorId.empty())
    return {};
  return u"name_" + std::u16string(monitorId);
}

std::u16string sizeKeyName(int width, int height, unsigned dpi) {
  if (width <= 0 || height <= 0)
    return {};
  std::u16string name = u"size_" + decimal(width) + u"x" + decimal(height);
  if (dpi != 0)
    name += u"_" + decimal(dpi);
  return name;
}

}  // namespace zembrik
