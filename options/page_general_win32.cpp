#include "options/page_general_win32.h"

#include <commctrl.h>

#include <algorithm>

#include "engine/options/font_description.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"
#include "options/form_controls_win32.h"
#include "options/page_general_ids.h"
#include "options/today_timeout_dialog_win32.h"
#include "platform/win32/registry_win32.h"

namespace zembrik {

namespace {

std::u16string fontDescriptionOf(const std::optional<std::u16string>& spec) {
  return spec ? editedFontSpec(*spec).description : std::u16string();
}

// The options font's sizes: above 6 points (smaller ones the next start ignores) and no larger
// than lets the main window fit its monitor's work area.
FontSizeLimits optionsFontSizes(HWND page, int currentPoints) {
  const HWND main = GetAncestor(page, GA_ROOT);
  RECT window{};
  GetWindowRect(main, &window);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(main, MONITOR_DEFAULTTONEAREST), &monitor);
  return optionsFontSizeLimits(
      currentPoints > 0 ? currentPoints : 8, window.right - window.left, window.bottom - window.top,
      monitor.rcWork.right - monitor.rcWork.left, monitor.rcWork.bottom - monitor.rcWork.top);
}

std::wstring ownProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

CTabMain::CTabMain(OptionsContext& context) : C_BaseTab(context, IDD_PAGE_GENERAL) {
  timeoutPrompt_ = [this](HWND owner, std::uint32_t offered) {
    return askTodayTimeout(this->context(), owner, offered);
  };
}

CTabMain::~CTabMain() = default;

void CTabMain::onInitPage() {
  currentUser_ = openCurrentUserRoot();
  if (!currentUser_)
    return;
  services_ = makeFormPageServices(clockSet(), ui(), window());
  typing_ = std::make_unique<TypingNotifications>(*services_, window());
  model_ =
      std::make_unique<GeneralPageModel>(typing_->services(), *currentUser_, context().oldSystem);
  model_->load();
  filling_ = true;
  fillList(window(), IDC_WEEKDAY_PLACE, kWeekdayPlaces);
  fillList(window(), IDC_WEEK_NUMBER_PLACE, kWeekNumberPlaces);
  setUpPercentSlider(window(), IDC_TASKBAR_TRANSPARENCY, 0);
  setUpPercentSlider(window(), IDC_CALENDAR_TRANSPARENCY, 0);
  showState();
  filling_ = false;
}

void CTabMain::showState() {
  const GeneralPageState& s = model_->state();
  const HWND page = window();
  setChecked(page, IDC_AUTO_START, s.autoStart);
  setEnabled(page, IDC_AUTO_START, s.autoStartAvailable);
  setChecked(page, IDC_RESTART_WITH_EXPLORER, s.restart);
  setChecked(page, IDC_HIDE_SHOW_DESKTOP, s.hideShowDesktop);
  setEnabled(page, IDC_HIDE_SHOW_DESKTOP, s.hideShowDesktopEnabled);
  SendDlgItemMessageW(page, IDC_TASKBAR_TRANSPARENCY, TBM_SETPOS, TRUE, s.taskbarTransparency);
  setControlText(page, IDC_CUSTOM_TOOLTIP, s.customTooltip);
  setChecked(page, IDC_WEEK_STARTS_MONDAY, s.weekStartsMonday);
  setChecked(page, IDC_CALENDAR_ON_TOP, s.calendarOnTop);
  setChecked(page, IDC_CALENDAR_TODAY, s.todayChecked());
  setControlText(page, IDC_CALENDAR_TODAY, todayCalendarText(s.todayCalendar));
  selectListItem(page, IDC_WEEKDAY_PLACE, s.weekdayPlace);
  selectListItem(page, IDC_WEEK_NUMBER_PLACE, s.weekNumberPlace);
  setControlText(page, IDC_CALENDAR_WEEKDAYS, s.weekdayNames);
  setControlText(page, IDC_CALENDAR_TITLE, s.calendarTitle);
  SendDlgItemMessageW(page, IDC_CALENDAR_TRANSPARENCY, TBM_SETPOS, TRUE, s.calendarTransparency);
  showFonts();
}

void CTabMain::showFonts() {
  setControlText(window(), IDC_CALENDAR_FONT_TEXT, fontDescriptionOf(model_->state().calendarFont));
  setControlText(window(), IDC_OPTIONS_FONT_TEXT, fontDescriptionOf(model_->state().optionsFont));
}

void CTabMain::onRefresh(bool setChanged) {
  if (!model_)
    return;
  // The theme can change while the page is open: the box follows it at every refresh, its
  // state only when another set is edited.
  OpenedKey thisKey = currentUser_->openSubkey(kThisKeyPath, kKeyRead);
  const bool wasChecked = isChecked(window(), IDC_FLAT_TRAY);
  model_->loadClockSet(thisKey.key.get());
  setEnabled(window(), IDC_FLAT_TRAY, model_->state().flatTrayEnabled);
  setChecked(window(), IDC_FLAT_TRAY,
             setChanged || !initialised_ ? model_->state().flatTray : wasChecked);
  initialised_ = true;
}

bool CTabMain::onCommand(int controlId, int notification, HWND) {
  if (!model_ || filling_)
    return false;
  switch (notification) {
    case BN_CLICKED:
      onButton(controlId);
      return true;
    case EN_CHANGE:
      if (controlId != IDC_CALENDAR_WEEKDAYS && controlId != IDC_CALENDAR_TITLE &&
          controlId != IDC_CUSTOM_TOOLTIP)
        return false;
      // Every keystroke is written; the clocks reload at most once per interval, and once
      // after the last keystroke.
      typing_->typed([this] {
        model_->setTexts(controlText(window(), IDC_CALENDAR_WEEKDAYS),
                         controlText(window(), IDC_CALENDAR_TITLE),
                         controlText(window(), IDC_CUSTOM_TOOLTIP));
      });
      return true;
    case CBN_SELCHANGE:
      if (controlId != IDC_WEEKDAY_PLACE && controlId != IDC_WEEK_NUMBER_PLACE)
        return false;
      model_->setCalendarWeeks(listSelection(window(), IDC_WEEKDAY_PLACE),
                               listSelection(window(), IDC_WEEK_NUMBER_PLACE));
      return true;
    default:
      return false;
  }
}

void CTabMain::onButton(int controlId) {
  const HWND page = window();
  switch (controlId) {
    case IDC_AUTO_START:
      model_->setAutoStart(isChecked(page, IDC_AUTO_START));
      break;
    case IDC_RESTART_WITH_EXPLORER:
    case IDC_WEEK_STARTS_MONDAY:
    case IDC_CALENDAR_ON_TOP:
      model_->setSwitches(isChecked(page, IDC_RESTART_WITH_EXPLORER),
                          isChecked(page, IDC_WEEK_STARTS_MONDAY),
                          isChecked(page, IDC_CALENDAR_ON_TOP));
      break;
    case IDC_HIDE_SHOW_DESKTOP:
      model_->setHideShowDesktop(isChecked(page, IDC_HIDE_SHOW_DESKTOP));
      break;
    case IDC_FLAT_TRAY:
      model_->setFlatTray(isChecked(page, IDC_FLAT_TRAY));
      break;
    case IDC_CALENDAR_TODAY:
      onTodayCalendar();
      break;
    case IDC_CALENDAR_FONT_BUTTON:
      onCalendarFont();
      break;
    case IDC_OPTIONS_FONT_BUTTON:
      onOptionsFont();
      break;
    default:
      break;
  }
}

void CTabMain::onTodayCalendar() {
  const HWND page = window();
  const bool checked = model_->clickTodayCalendar(
      isChecked(page, IDC_CALENDAR_TODAY),
      [&](std::uint32_t offered) { return timeoutPrompt_(page, offered); });
  setChecked(page, IDC_CALENDAR_TODAY, checked);
  setControlText(page, IDC_CALENDAR_TODAY, todayCalendarText(model_->state().todayCalendar));
}

void CTabMain::onCalendarFont() {
  FontChoice chosen;
  if (!chooseFontChoice(ui(), window(), model_->calendarFontStart(), 0, 0, chosen))
    return;
  model_->chooseCalendarFont(chosen);
  showFonts();
}

void CTabMain::onOptionsFont() {
  const OptionsFont& inForce = context().font;
  const FontSizeLimits sizes = optionsFontSizes(window(), inForce.points);
  FontChoice chosen;
  if (!chooseFontChoice(ui(), window(), model_->optionsFontStart(), sizes.smallest, sizes.largest,
                        chosen))
    return;
  const auto outcome = model_->chooseOptionsFont(chosen, {inForce.face, inForce.points});
  showFonts();
  if (outcome != OptionsFontOutcome::WrittenRestartNeeded)
    return;
  // A new instance with the new font; "***" lets it past the single-instance check.
  if (!ui().startProgram(ownProgramPath(), L"***"))
    ui().messageBox(window(), L"Please restart options!", L"Warning", MB_ICONEXCLAMATION | MB_OK);
  PostMessageW(GetAncestor(window(), GA_ROOT), WM_CLOSE, 0, 0);
}

bool CTabMain::onMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
  if (message != WM_HSCROLL || !model_ || filling_)
    return false;
  const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
  if (id == IDC_TASKBAR_TRANSPARENCY)
    model_->setTaskbarTransparency(sliderPosition(window(), id));
  else if (id == IDC_CALENDAR_TRANSPARENCY)
    model_->setCalendarTransparency(sliderPosition(window(), id));
  else
    return false;
  result = 0;
  return true;
}

void CTabMain::onDestroyPage() {
  if (typing_)
    typing_->flush();
  if (model_)
    model_->close();
}

}  // namespace zembrik
