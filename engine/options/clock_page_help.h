#pragma once
// The format help list of the Clock page: each token, a tab and its meaning, then the lines on
// alignment marks and quoting.
#include <span>
#include <string_view>

namespace zembrik {

std::span<const std::u16string_view> clockPageFormatHelp() noexcept;

}  // namespace zembrik
