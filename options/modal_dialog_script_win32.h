#pragma once
// The Alarms and Time Zones pages ask their details in modal dialogs of their own. Tests play
// the user in them through this hook: once such a dialog has filled its controls it hands its
// window to the script, which sets controls and posts the click on OK or Cancel. The shipped
// program sets no script.
#include <windows.h>

#include <functional>

namespace zembrik {

using ModalDialogScript = std::function<void(HWND dialog, int templateId)>;

// Replaces the script (an empty one: none).
void setModalDialogScript(ModalDialogScript script);
// Called by the dialogs at the end of WM_INITDIALOG.
void runModalDialogScript(HWND dialog, int templateId);

}  // namespace zembrik
