#pragma once
// A page framework stand-in over the in-memory registry: the settings key, a set key that is
// read and a separate own key that per-set writes must go to, and logs of reloads and messages.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/options/form_binding.h"
#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"

namespace zembrik::testing {

inline std::string narrow(std::u16string_view text) {
  std::string out;
  for (char16_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  return out;
}

// Every value of a key as "name=dword:N" or "name=sz:text", for comparing whole keys.
inline std::map<std::string, std::string> valuesOf(RegistryKey& key) {
  std::map<std::string, std::string> values;
  RegEnumEntry entry;
  for (std::uint32_t i = 0; key.enumValue(i, kEnumNameChars, entry) == RegStatus::Ok; ++i) {
    if (auto number = readNumber(key, entry.name))
      values[narrow(entry.name)] = "dword:" + std::to_string(*number);
    else if (auto text = readText(key, entry.name))
      values[narrow(entry.name)] = "sz:" + narrow(*text);
    else
      values[narrow(entry.name)] = "other";
  }
  return values;
}

class FakePageServices final : public FormPageServices {
 public:
  FakePageServices() {
    user = registry.currentUser();
    settings = user->createSubkey(kSettingsRootPath, kKeyReadWrite, KeyLifetime::Persistent).key;
    readSet = user->createSubkey(u"Software\\OBR\\Zembrik\\horizontal", kKeyReadWrite,
                                 KeyLifetime::Persistent)
                  .key;
    ownSet = user->createSubkey(u"Software\\OBR\\Zembrik\\horizontal_1", kKeyReadWrite,
                                KeyLifetime::Persistent)
                 .key;
  }

  RegistryKey* settingsKey() override { return settingsOpen ? settings.get() : nullptr; }
  std::unique_ptr<RegistryKey> reopenSettingsKey() override {
    return settingsOpen ? user->openSubkey(kSettingsRootPath, kKeyReadWrite).key : nullptr;
  }
  RegistryKey* setKeyForReading() override { return readSet.get(); }
  // As the clock-set model: compared with the key read, written into the set's own key.
  bool writeSetNumber(std::u16string_view name, std::uint32_t value) override {
    if (readNumber(*readSet, name) == value)
      return true;
    return writeNumber(*ownSet, name, value);
  }
  bool writeSetText(std::u16string_view name, std::u16string_view value) override {
    if (readText(*readSet, name) == value)
      return true;
    return writeText(*ownSet, name, value);
  }
  void notifyClock(NotifyScope scope) override { reloads.push_back(scope); }
  void showMessage(std::u16string_view text, std::u16string_view caption,
                   MessageIcon icon) override {
    messages.push_back({std::u16string(text), std::u16string(caption), icon});
  }

  struct Message {
    std::u16string text;
    std::u16string caption;
    MessageIcon icon;
  };

  MemoryRegistry registry;
  std::unique_ptr<RegistryKey> user;
  std::unique_ptr<RegistryKey> settings;
  std::unique_ptr<RegistryKey> readSet;
  std::unique_ptr<RegistryKey> ownSet;
  bool settingsOpen = true;
  std::vector<NotifyScope> reloads;
  std::vector<Message> messages;
};

}  // namespace zembrik::testing
