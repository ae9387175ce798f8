#pragma once
// Filling the name tables: from the user's locale at clock attach, and from the settings root at
// every settings load.
#include <optional>
#include <string_view>

#include "engine/names/locale_source.h"
#include "engine/names/name_tables.h"
#include "engine/registry/registry_key.h"

namespace zembrik {

// Fills the four locale lists; every failed call leaves the English name in its place.
void loadLocaleNames(NameTables& tables, LocaleSource& locale);

// Reads the four lists and the eight texts (`weekDays`, ..., `textScrollOff`) from the settings
// root key. An absent list reads as empty text (all "?"), an absent text takes its default.
void loadNameTexts(NameTables& tables, RegistryKey& root);

// Applies one root value by its registry name, as loadNameTexts does; `value` empty means the
// value is absent. Returns false for a name that is not a name text.
bool applyNameValue(NameTables& tables, std::u16string_view valueName,
                    std::optional<std::u16string_view> value);

}  // namespace zembrik
