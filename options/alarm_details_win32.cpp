#include "options/alarm_details_win32.h"

#include <commctrl.h>

#include <climits>
#include <string>

#include "options/modal_dialog_script_win32.h"
#include "options/page_alarms_ids.h"
#include "platform/win32/wide_text_win32.h"

namespace zembrik {

namespace {

constexpr int kDayBoxes[7] = {IDC_ALARM_SUNDAY,    IDC_ALARM_MONDAY,   IDC_ALARM_TUESDAY,
                              IDC_ALARM_WEDNESDAY, IDC_ALARM_THURSDAY, IDC_ALARM_FRIDAY,
                              IDC_ALARM_SATURDAY};
constexpr int kDateControls[] = {IDC_ALARM_DAY,        IDC_ALARM_DAY_SPIN, IDC_ALARM_MONTH,
                                 IDC_ALARM_MONTH_SPIN, IDC_ALARM_YEAR,     IDC_ALARM_YEAR_SPIN,
                                 IDC_ALARM_REPEAT};
constexpr const wchar_t* kRepeatTexts[] = {L"no", L"monthly", L"annually"};

struct Spin {
  int spin;
  int edit;
};
// The spins in the order of alarmDetailRanges(): hour, minute, seconds, day, month, year.
constexpr Spin kSpins[] = {
    {IDC_ALARM_HOUR_SPIN, IDC_ALARM_HOUR},       {IDC_ALARM_MINUTE_SPIN, IDC_ALARM_MINUTE},
    {IDC_ALARM_SECONDS_SPIN, IDC_ALARM_SECONDS}, {IDC_ALARM_DAY_SPIN, IDC_ALARM_DAY},
    {IDC_ALARM_MONTH_SPIN, IDC_ALARM_MONTH},     {IDC_ALARM_YEAR_SPIN, IDC_ALARM_YEAR}};

std::wstring controlText(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

// A number the user typed; INT_MIN when it is none, so that the range check refuses it.
int controlNumber(HWND dialog, int id) {
  BOOL translated = FALSE;
  const int value = static_cast<int>(GetDlgItemInt(dialog, id, &translated, TRUE));
  return translated ? value : INT_MIN;
}

void setNumber(HWND dialog, int id, int value) {
  SetDlgItemInt(dialog, id, static_cast<UINT>(value), TRUE);
}

bool checked(HWND dialog, int id) {
  return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void check(HWND dialog, int id, bool on) {
  CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
}

void enable(HWND dialog, int id, bool on) {
  EnableWindow(GetDlgItem(dialog, id), on ? TRUE : FALSE);
}

}  // namespace

std::optional<AlarmDetails> CAlarmDetails::run(HWND owner, OptionsContext& context,
                                               AlarmDetails details) {
  CAlarmDetails dialog(context, std::move(details));
  if (dialog.runModal(owner, context, IDD_ALARM_DETAILS) != IDOK)
    return std::nullopt;
  return dialog.details_;
}

INT_PTR CAlarmDetails::onMessage(UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_CTLCOLORSTATIC &&
      reinterpret_cast<HWND>(lParam) == GetDlgItem(window(), IDC_ALARM_COLOUR_SAMPLE) &&
      details_.customColour) {
    return reinterpret_cast<INT_PTR>(sampleBrush());
  }
  return FALSE;
}

void CAlarmDetails::onInitDialog() {
  HWND repeat = GetDlgItem(window(), IDC_ALARM_REPEAT);
  SendMessageW(repeat, CB_RESETCONTENT, 0, 0);
  for (const wchar_t* text : kRepeatTexts)
    SendMessageW(repeat, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  const auto& ranges = alarmDetailRanges();
  for (std::size_t i = 0; i < ranges.size(); ++i) {
    SendDlgItemMessageW(window(), kSpins[i].spin, UDM_SETRANGE32,
                        static_cast<WPARAM>(ranges[i].minimum), ranges[i].maximum);
  }

  SetDlgItemTextW(window(), IDC_ALARM_NAME, wide(details_.name).c_str());
  setNumber(window(), IDC_ALARM_HOUR, details_.hour);
  setNumber(window(), IDC_ALARM_MINUTE, details_.minute);
  check(window(), IDC_ALARM_EXPIRES, details_.expires);
  setNumber(window(), IDC_ALARM_SECONDS, details_.seconds);
  // One by one: CheckRadioButton would clear the day boxes, whose ids lie between these.
  check(window(), IDC_ALARM_NO_DATE, details_.mode == AlarmDateMode::NoDate);
  check(window(), IDC_ALARM_WEEKDAYS, details_.mode == AlarmDateMode::Weekdays);
  check(window(), IDC_ALARM_DATE, details_.mode == AlarmDateMode::Date);
  for (int day = 0; day < 7; ++day) check(window(), kDayBoxes[day], details_.days[day]);
  setNumber(window(), IDC_ALARM_DAY, details_.day);
  setNumber(window(), IDC_ALARM_MONTH, details_.month);
  setNumber(window(), IDC_ALARM_YEAR, details_.year);
  SendMessageW(repeat, CB_SETCURSEL, static_cast<WPARAM>(details_.repeat), 0);
  check(window(), IDC_ALARM_CUSTOM_COLOUR, details_.customColour);
  SetDlgItemTextW(window(), IDC_ALARM_CELL_TEXT, wide(details_.cellText).c_str());
  applyEnabling();
  runModalDialogScript(window(), IDD_ALARM_DETAILS);
}

void CAlarmDetails::onCommand(int id, int notification) {
  switch (id) {
    case IDOK:
      onOk();
      return;
    case IDCANCEL:
      EndDialog(window(), IDCANCEL);
      return;
    case IDC_ALARM_NO_DATE:
    case IDC_ALARM_WEEKDAYS:
    case IDC_ALARM_DATE:
    case IDC_ALARM_EXPIRES:
      if (notification == BN_CLICKED)
        applyEnabling();
      return;
    case IDC_ALARM_REPEAT:
      if (notification == CBN_SELCHANGE)
        applyEnabling();
      return;
    case IDC_ALARM_CUSTOM_COLOUR:
      if (notification == BN_CLICKED && checked(window(), IDC_ALARM_CUSTOM_COLOUR))
        chooseColour();
      return;
    default:
      return;
  }
}

AlarmDetails CAlarmDetails::readControls() const {
  AlarmDetails read = details_;
  read.name = portable(controlText(window(), IDC_ALARM_NAME));
  read.hour = controlNumber(window(), IDC_ALARM_HOUR);
  read.minute = controlNumber(window(), IDC_ALARM_MINUTE);
  read.expires = checked(window(), IDC_ALARM_EXPIRES);
  read.seconds = controlNumber(window(), IDC_ALARM_SECONDS);
  read.mode = checked(window(), IDC_ALARM_DATE)       ? AlarmDateMode::Date
              : checked(window(), IDC_ALARM_WEEKDAYS) ? AlarmDateMode::Weekdays
                                                      : AlarmDateMode::NoDate;
  for (int day = 0; day < 7; ++day) read.days[day] = checked(window(), kDayBoxes[day]);
  read.day = controlNumber(window(), IDC_ALARM_DAY);
  read.month = controlNumber(window(), IDC_ALARM_MONTH);
  read.year = controlNumber(window(), IDC_ALARM_YEAR);
  const auto repeat = SendDlgItemMessageW(window(), IDC_ALARM_REPEAT, CB_GETCURSEL, 0, 0);
  read.repeat = repeat == 1   ? AlarmRepeat::Monthly
                : repeat == 2 ? AlarmRepeat::Annually
                              : AlarmRepeat::No;
  read.customColour = checked(window(), IDC_ALARM_CUSTOM_COLOUR);
  read.cellText = portable(controlText(window(), IDC_ALARM_CELL_TEXT));
  return read;
}

void CAlarmDetails::applyEnabling() {
  AlarmDetails read = readControls();
  const std::int32_t seconds = read.seconds;
  const AlarmDetailsEnabling enabling = applyEnablingRule(read);
  if (read.seconds != seconds)
    setNumber(window(), IDC_ALARM_SECONDS, read.seconds);
  for (int box : kDayBoxes) enable(window(), box, enabling.days);
  for (int id : kDateControls) enable(window(), id, enabling.dateAndRepeat);
  enable(window(), IDC_ALARM_SECONDS, enabling.seconds);
  enable(window(), IDC_ALARM_SECONDS_SPIN, enabling.seconds);
}

void CAlarmDetails::onOk() {
  const AlarmDetails read = readControls();
  if (const auto refusal = refusalOf(read)) {
    context_.ui().messageBox(window(), wide(*refusal), L"Zembrik", MB_ICONEXCLAMATION | MB_OK);
    return;
  }
  details_ = read;
  EndDialog(window(), IDOK);
}

void CAlarmDetails::chooseColour() {
  static COLORREF customColours[16] = {};
  CHOOSECOLORW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = window();
  request.rgbResult = details_.colour;
  request.lpCustColors = customColours;
  request.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!context_.ui().chooseColour(request))
    return;
  details_.colour = request.rgbResult & 0xFFFFFF;
  details_.customColour = true;
  sample_.reset();
  InvalidateRect(GetDlgItem(window(), IDC_ALARM_COLOUR_SAMPLE), nullptr, TRUE);
}

HBRUSH CAlarmDetails::sampleBrush() {
  if (!sample_)
    sample_.reset(CreateSolidBrush(details_.colour));
  return sample_.get();
}

}  // namespace zembrik
