#include "host/alarm_scheduler_win32.h"

#include "engine/alarms/alarm_loading.h"
#include "engine/protocol/window_messages.h"
#include "platform/win32/calendar_time_win32.h"

namespace zembrik {

namespace {

class SystemAlarmTime final : public AlarmTimeSource {
 public:
  CalendarTime localNow() override {
    CalendarTime utc;
    CalendarTime local;
    currentMoment(utc, local);
    return local;
  }
  std::uint32_t tickCount() override { return GetTickCount(); }
};

class PostedAlarmSignals final : public AlarmSignals {
 public:
  explicit PostedAlarmSignals(HWND trayClock) noexcept : trayClock_(trayClock) {}
  void alarmOn(std::int32_t number) override { post(MSG_ALARM_ON, number); }
  void alarmOff(std::int32_t number) override { post(MSG_ALARM_OFF, number); }

 private:
  void post(UINT message, std::int32_t number) {
    if (trayClock_)
      PostMessageA(trayClock_, message, static_cast<WPARAM>(static_cast<std::uint32_t>(number)), 0);
  }
  HWND trayClock_;
};

}  // namespace

void AlarmScheduler::readAlarms(RegistryKey& settingsRoot, HWND trayClock) {
  SystemAlarmTime time;
  PostedAlarmSignals signals(trayClock);
  schedule_.schedule(readAlarmRecords(settingsRoot), time, signals);
}

void AlarmScheduler::check(HWND trayClock) {
  SystemAlarmTime time;
  PostedAlarmSignals signals(trayClock);
  schedule_.check(time, signals);
}

}  // namespace zembrik
