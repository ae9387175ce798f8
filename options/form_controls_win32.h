#pragma once
// Small helpers the form pages use to move values between their controls and their models.
#include <windows.h>

#include <commctrl.h>

#include <span>
#include <string>
#include <string_view>

#include "engine/options/form_binding.h"

namespace zembrik {

inline std::wstring toWide(std::u16string_view text) {
  return {text.begin(), text.end()};
}
inline std::u16string fromWide(std::wstring_view text) {
  return {text.begin(), text.end()};
}

bool isChecked(HWND dialog, int id);
void setChecked(HWND dialog, int id, bool checked);
void setEnabled(HWND dialog, int id, bool enabled);
std::u16string controlText(HWND dialog, int id);
void setControlText(HWND dialog, int id, std::u16string_view text);

// Replaces a drop-down list's items.
void fillList(HWND dialog, int id, std::span<const std::u16string_view> items);
int listSelection(HWND dialog, int id);
void selectListItem(HWND dialog, int id, int index);

// A trackbar 0..100 with a tick every 10 and a page size of 10.
void setUpPercentSlider(HWND dialog, int id, int position);
int sliderPosition(HWND dialog, int id);

// An up-down control's range and value; the buddy edit shows the value.
void setUpSpin(HWND dialog, int spinId, NumberRange range);

// The font chooser through `ui`, starting from `start`, limited to the given point sizes
// (0: no limit). True with `chosen` filled when the user chose.
class UserInteraction;
bool chooseFontChoice(UserInteraction& ui, HWND owner, const FontChoice& start, int smallest,
                      int largest, FontChoice& chosen);
// The colour chooser starting from `colour`; true with `colour` replaced when chosen.
bool chooseColourValue(UserInteraction& ui, HWND owner, std::uint32_t& colour);

}  // namespace zembrik
