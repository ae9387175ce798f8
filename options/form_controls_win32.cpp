#include "options/form_controls_win32.h"

#include <commdlg.h>

#include <array>

#include "options/user_interaction_win32.h"

namespace zembrik {

bool isChecked(HWND dialog, int id) {
  return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void setChecked(HWND dialog, int id, bool checked) {
  CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void setEnabled(HWND dialog, int id, bool enabled) {
  EnableWindow(GetDlgItem(dialog, id), enabled ? TRUE : FALSE);
}

std::u16string controlText(HWND dialog, int id) {
  const HWND control = GetDlgItem(dialog, id);
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(control, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return fromWide(text);
}

void setControlText(HWND dialog, int id, std::u16string_view text) {
  SetDlgItemTextW(dialog, id, toWide(text).c_str());
}

void fillList(HWND dialog, int id, std::span<const std::u16string_view> items) {
  const HWND list = GetDlgItem(dialog, id);
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (std::u16string_view item : items) {
    const std::wstring text = toWide(item);
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

int listSelection(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
}

void selectListItem(HWND dialog, int id, int index) {
  SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void setUpPercentSlider(HWND dialog, int id, int position) {
  const HWND slider = GetDlgItem(dialog, id);
  SendMessageW(slider, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
  SendMessageW(slider, TBM_SETTICFREQ, 10, 0);
  SendMessageW(slider, TBM_SETPAGESIZE, 0, 10);
  SendMessageW(slider, TBM_SETPOS, TRUE, position);
}

int sliderPosition(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageW(dialog, id, TBM_GETPOS, 0, 0));
}

void setUpSpin(HWND dialog, int spinId, NumberRange range) {
  SendDlgItemMessageW(dialog, spinId, UDM_SETRANGE32, static_cast<WPARAM>(range.low),
                      static_cast<LPARAM>(range.high));
}

bool chooseFontChoice(UserInteraction& ui, HWND owner, const FontChoice& start, int smallest,
                      int largest, FontChoice& chosen) {
  LOGFONTW font{};
  const HDC screen = GetDC(nullptr);
  const int dpiY = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen)
    ReleaseDC(nullptr, screen);
  if (start.pointSize > 0)
    font.lfHeight = -MulDiv(start.pointSize, dpiY, 72);
  font.lfWeight = start.weight;
  const std::wstring face = toWide(start.face);
  lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);

  CHOOSEFONTW request{};
  request.lStructSize = sizeof(request);
  request.hwndOwner = owner;
  request.lpLogFont = &font;
  request.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
  if (smallest > 0 && largest >= smallest) {
    request.Flags |= CF_LIMITSIZE;
    request.nSizeMin = smallest;
    request.nSizeMax = largest;
  }
  if (!ui.chooseFont(request))
    return false;
  chosen.pointSize = (request.iPointSize + 5) / 10;  // tenths of a point
  chosen.weight = static_cast<int>(font.lfWeight);
  chosen.face = fromWide(font.lfFaceName);
  return true;
}

bool chooseColourValue(UserInteraction& ui, HWND owner, std::uint32_t& colour) {
  static std::array<COLORREF, 16> customColours{};
  CHOOSECOLORW request{};
  request.lStructSize = sizeof(request);
  request.hwndOwner = owner;
  request.rgbResult = colour;
  request.lpCustColors = customColours.data();
  request.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!ui.chooseColour(request))
    return false;
  colour = request.rgbResult;
  return true;
}

}  // namespace zembrik
