#include "calendar_popup_win32.h"

namespace zembrik {

void CalendarPopup::initLocale() {}
void CalendarPopup::readSettings(RegistryKey&) {}
void CalendarPopup::toggle(const CalendarAnchor&) {}
void CalendarPopup::hide() {}
bool CalendarPopup::visible() const {
  return false;
}
void CalendarPopup::showPreviousMonth() {}
void CalendarPopup::showNextMonth() {}
void CalendarPopup::dayCheck() {}

}  // namespace zembrik
