#pragma once
// CAlarmDetails: the modal dialog "Edit Alarm details" (template 134), which moves an
// AlarmDetails between its controls and checks it on OK.
#include <windows.h>

#include <optional>

#include "engine/options/alarm_details.h"
#include "options/modal_dialog_win32.h"
#include "options/options_context_win32.h"
#include "platform/win32/win32_handles.h"

namespace zembrik {

class CAlarmDetails final : private ModalDialog {
 public:
  // Shows the dialog filled with `details`, in the options font; the values the user accepted,
  // or nothing after Cancel.
  static std::optional<AlarmDetails> run(HWND owner, OptionsContext& context, AlarmDetails details);

 private:
  CAlarmDetails(OptionsContext& context, AlarmDetails details)
      : ModalDialog(L"CAlarmDetails::dialogProcedure"),
        context_(context),
        details_(std::move(details)) {}
  void onInitDialog() override;
  void onCommand(int id, int notification) override;
  // The colour sample's background.
  INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void onOk();
  // The enabling rule, with 0 seconds turned into the default expiry.
  void applyEnabling();
  AlarmDetails readControls() const;
  void chooseColour();
  HBRUSH sampleBrush();

  OptionsContext& context_;
  AlarmDetails details_;
  UniqueBrush sample_;  // the colour sample's background
};

}  // namespace zembrik
