#pragma once
// The General page's state and its registry reads and writes: start at logon, the program-wide
// switches, the tooltip, the internal calendar's settings and the two fonts.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "engine/options/form_binding.h"
#include "engine/registry/registry_key.h"

namespace zembrik {

inline constexpr std::u16string_view kRunKeyPath =
    u"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

inline constexpr NumberRange kTransparencyRange{0, 100};
inline constexpr NumberRange kTodayTimeoutRange{0, 1000000000};
inline constexpr std::uint32_t kTodayDisabledBit = 0x80000000u;
inline constexpr std::uint32_t kTodayTimeMask = 0x07FFFFFFu;

// The "Weekdays:" and "Week numbers:" lists, in the order of their indexes.
inline constexpr std::u16string_view kWeekdayPlaces[] = {u"none", u"top", u"bottom", u"both"};
inline constexpr std::u16string_view kWeekNumberPlaces[] = {u"none", u"left", u"right", u"both"};

// Everything the page shows.
struct GeneralPageState {
  bool autoStart = false;
  bool autoStartAvailable = false;  // `ZembrikName` and `ZembrikPath` both stored
  bool restart = true;
  bool hideShowDesktop = false;
  bool hideShowDesktopEnabled = true;  // not on an old system
  bool flatTray = false;
  bool flatTrayEnabled = true;  // classic theme only
  int taskbarTransparency = 0;
  std::u16string customTooltip;
  std::optional<std::u16string> optionsFont;  // raw specs as stored
  std::optional<std::u16string> calendarFont;
  bool weekStartsMonday = true;
  bool calendarOnTop = true;
  std::optional<std::uint32_t> todayCalendar;
  int weekdayPlace = 1;     // index into kWeekdayPlaces
  int weekNumberPlace = 1;  // index into kWeekNumberPlaces
  std::u16string weekdayNames = u"Su;Mo;Tu;We;Th;Fr;Sa";
  std::u16string calendarTitle = u"MMMM - yyyy";
  int calendarTransparency = 0;

  // The "Calendar opens today" box: checked when the value exists with bit 31 clear.
  bool todayChecked() const noexcept {
    return todayCalendar && (*todayCalendar & kTodayDisabledBit) == 0;
  }
};

// The text of the "Calendar opens today" box for a stored `TodayCalendar` (0 when missing).
std::u16string todayCalendarText(std::optional<std::uint32_t> stored);

// `CalendarWeeks` to the two list indexes and back.
struct CalendarWeeks {
  int weekdayPlace = 1;
  int weekNumberPlace = 1;
};
CalendarWeeks splitCalendarWeeks(std::uint32_t stored) noexcept;
std::uint32_t joinCalendarWeeks(int weekdayPlace, int weekNumberPlace) noexcept;

// The command line that starts this program again beside the running one: the quoted path and
// "***", which lets the new instance past the single-instance check.
std::u16string optionsRestartCommandLine(std::u16string_view programPath);

// The options-font sizes the chooser offers: from the smallest the next start accepts (above 6
// points) up to the largest at which the main window, `windowSize` at `currentPoints`, still
// fits `workArea` (window size taken as proportional to the font's).
struct FontSizeLimits {
  int smallest = 7;
  int largest = 7;
};
FontSizeLimits optionsFontSizeLimits(int currentPoints, int windowWidth, int windowHeight,
                                     int workAreaWidth, int workAreaHeight) noexcept;

// The options font the program runs with (Part of start-up): face and point size.
struct FontInForce {
  std::u16string face;
  int pointSize = 0;
};

enum class OptionsFontOutcome { Unchanged, WrittenRestartNeeded };

class GeneralPageModel {
 public:
  // `currentUser` is the root the Run key is found under; `oldSystem` is the start-up flag.
  GeneralPageModel(FormPageServices& services, RegistryKey& currentUser, bool oldSystem);

  // Initialisation: reads every value with its default and the auto-start state.
  void load();
  // The set-dependent part, after the framework selected a set: the flat-tray box's enabling
  // from `isXPtheme` in the `this` key (null when missing) and its state from the set key.
  void loadClockSet(RegistryKey* thisKey);

  const GeneralPageState& state() const noexcept { return state_; }

  // Immediate writes, one per control (the values come from the controls).
  void setAutoStart(bool checked);
  void setSwitches(bool restart, bool weekStartsMonday, bool calendarOnTop);
  void setHideShowDesktop(bool checked);
  void setFlatTray(bool checked);
  void setTaskbarTransparency(int position);
  void setCalendarTransparency(int position);
  void setTexts(std::u16string_view weekdayNames, std::u16string_view calendarTitle,
                std::u16string_view customTooltip);
  void setCalendarWeeks(int weekdayPlace, int weekNumberPlace);

  // The "Calendar opens today" box was clicked to `checked`. Checking asks `askTimeout` (the
  // timeout dialog, offered the stored time) and cancelling it returns false: the box goes back
  // to unchecked. Returns the state the box must show.
  bool clickTodayCalendar(
      bool checked, const std::function<std::optional<std::uint32_t>(std::uint32_t)>& askTimeout);

  FontChoice calendarFontStart() const;
  void chooseCalendarFont(const FontChoice& chosen);
  FontChoice optionsFontStart() const;
  // Writes `OptionsFont` only when face or size differ from the font in force; then the program
  // must start again.
  OptionsFontOutcome chooseOptionsFont(const FontChoice& chosen, const FontInForce& inForce);

  // The writes when the page closes, in their fixed order, then the reload of every clock.
  void close();

 private:
  std::optional<std::u16string> autoStartName();
  bool writeAutoStart(RegistryKey& settings);
  RegistryKey* settingsOrMessage();

  FormPageServices& services_;
  RegistryKey& currentUser_;
  GeneralPageState state_;
};

}  // namespace zembrik
