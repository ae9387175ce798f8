#pragma once
// The Customization page's state and its registry reads and writes: the user's AM/PM and
// lock-key texts, the day and month name lists, and the action of each mouse button.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "engine/options/form_binding.h"
#include "engine/registry/registry_key.h"

namespace zembrik {

struct CustomText {
  std::u16string_view valueName;
  std::u16string_view shownDefault;
};

// The twelve text fields, in the order the page hands their texts over.
inline constexpr std::array<CustomText, 12> kCustomTexts = {{
    {u"textAM", u"AM"},
    {u"textPM", u"PM"},
    {u"textCapsOn", u"A"},
    {u"textCapsOff", u""},
    {u"textNumOn", u"N"},
    {u"textNumOff", u""},
    {u"textScrollOn", u"S"},
    {u"textScrollOff", u""},
    {u"weekDaysAbbr", u""},
    {u"weekDays", u""},
    {u"monthNamesAbbr", u""},
    {u"monthNames", u""},
}};

// The five items of each mouse-button list and what choosing one stores.
inline constexpr std::array<std::u16string_view, 5> kMouseItemTexts = {
    u"<none>", u"<system calendar>", u"<internal calendar>", u"<menu>", u"<system tray options>"};
inline constexpr std::array<std::u16string_view, 5> kMouseItemValues = {u"", u"*s", u"*c", u"*m",
                                                                        u"*r"};
enum MouseItem : int { kMouseNone = 0, kSystemCalendar, kInternalCalendar, kMenu, kTrayOptions };

enum class MouseButton : int { Left = 0, Middle = 1, Right = 2 };
inline constexpr std::array<std::u16string_view, 3> kMouseButtonValueNames = {
    u"MouseButtonL", u"MouseButtonM", u"MouseButtonR"};

// What a mouse-button list shows: one of the items, or a program in its edit field.
struct MouseChoice {
  int item = kMouseNone;  // -1: a program, shown as `program`
  std::u16string program;

  bool operator==(const MouseChoice&) const = default;
};

// A stored program value as the list's edit field shows it: the separator between program and
// parameters (U+0001) becomes a blank or goes when it ends the text, and a program path with
// blanks is put in double quotes.
std::u16string programValueForDisplay(std::u16string_view stored);

// What a stored mouse-button value shows.
MouseChoice mouseChoiceFromStored(std::u16string_view stored);

// The lists' choices when a button has no stored value.
std::array<MouseChoice, 3> mouseDefaults(bool rightKeyValueStored, std::uint32_t rightKeyValue,
                                         bool oldSystem);

struct CustomizationPageState {
  std::array<std::u16string, 12> texts;  // in the order of kCustomTexts
  std::array<MouseChoice, 3> mouse;      // Left, Middle, Right
};

class CustomizationPageModel {
 public:
  CustomizationPageModel(FormPageServices& services, bool oldSystem);

  void load();
  const CustomizationPageState& state() const noexcept { return state_; }

  // A change in any of the twelve edits: all twelve texts, in the order of kCustomTexts.
  void setTexts(const std::array<std::u16string, 12>& texts);
  void chooseMouseItem(MouseButton button, int item);
  void typeMouseProgram(MouseButton button, std::u16string_view typed);
  void close();

 private:
  FormPageServices& services_;
  bool oldSystem_ = false;
  CustomizationPageState state_;
};

}  // namespace zembrik
