#include "options/modal_dialog_script_win32.h"

#include <utility>

namespace zembrik {

namespace {

ModalDialogScript& currentScript() {
  static ModalDialogScript script;
  return script;
}

}  // namespace

void setModalDialogScript(ModalDialogScript script) {
  currentScript() = std::move(script);
}

void runModalDialogScript(HWND dialog, int templateId) {
  // A copy: the script may replace itself while it runs.
  const ModalDialogScript script = currentScript();
  if (script)
    script(dialog, templateId);
}

}  // namespace zembrik
