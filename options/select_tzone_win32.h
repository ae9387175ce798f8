#pragma once
// CSelectTZone: the modal dialog "Select Timezone and abbreviation" (template 130) over a
// ZoneChoiceDialog, which holds the offers, the copying of the abbreviation and the OK rules.
#include <windows.h>

#include <optional>

#include "engine/options/zone_choice_dialog.h"
#include "options/modal_dialog_win32.h"
#include "options/options_context_win32.h"

namespace zembrik {

class CSelectTZone final : private ModalDialog {
 public:
  // Shows the dialog in the options font; the accepted zone and names, or nothing after Cancel.
  static std::optional<ZoneChoiceDialog::Outcome> run(HWND owner, OptionsContext& context,
                                                      ZoneChoiceDialog choice);

 private:
  CSelectTZone(OptionsContext& context, ZoneChoiceDialog choice)
      : ModalDialog(L"CSelectTZone::dialogProcedure"),
        context_(context),
        choice_(std::move(choice)) {}
  void onInitDialog() override;
  void onCommand(int id, int notification) override;
  void onOk();
  // Puts the names the model holds into the edits that differ from them.
  void showNames();

  OptionsContext& context_;
  ZoneChoiceDialog choice_;
  std::optional<ZoneChoiceDialog::Outcome> outcome_;
  bool settingTexts_ = false;  // the edits' own change notifications while showNames() runs
};

}  // namespace zembrik
