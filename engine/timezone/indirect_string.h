#pragma once
// Indirect strings of the time-zone database ("@tzres.dll,-112": an at sign, a file name, a
// comma and a negative string number) resolved in a chosen user-interface language, from the
// language's resource files "<system directory>\<language>\<file>.mui".
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/timezone/zone_database.h"

namespace zembrik {

inline constexpr std::size_t kResourceStringChars = 10240;

struct IndirectReference {
  std::u16string file;
  std::int64_t number = 0;  // as written, so normally negative
};

// Splits the text after the at sign at its last comma. Nothing without an at sign or a comma.
// The number reads like the C runtime's wide atoi (blanks, a sign, digits up to the first other
// character), saturating instead of overflowing.
std::optional<IndirectReference> parseIndirectReference(std::u16string_view text);

// Resolves strings in one language during one load; each file is loaded at most once and every
// loaded file is unloaded when the resolver goes away.
class SpecialLocaleResolver {
 public:
  SpecialLocaleResolver(ZoneNamePlatform& platform, std::u16string language);
  ~SpecialLocaleResolver();
  SpecialLocaleResolver(const SpecialLocaleResolver&) = delete;
  SpecialLocaleResolver& operator=(const SpecialLocaleResolver&) = delete;

  // Leading characters up to and including the blank are skipped; a text without an at sign is
  // itself the name. Nothing when the result is empty or a file or string cannot be loaded.
  std::optional<std::u16string> resolve(std::u16string_view raw);

  std::size_t loadedFiles() const { return libraries_.size(); }

 private:
  ResourceLibrary* library(const std::u16string& file);

  ZoneNamePlatform& platform_;
  std::u16string language_;
  std::u16string systemDirectory_;
  bool haveSystemDirectory_ = false;
  struct LoadedFile {
    std::u16string file;
    std::unique_ptr<ResourceLibrary> library;  // null: failed to load, not tried again
  };
  std::vector<LoadedFile> libraries_;  // in load order
};

}  // namespace zembrik
