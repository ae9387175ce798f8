#include "hook/peer_send.h"

namespace zembrik {

bool sendToPeer(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT timeoutMs) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_NORMAL,
                             timeoutMs, &result) != 0;
}

}  // namespace zembrik
