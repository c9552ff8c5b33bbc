// Win32Platform: the IDE's editor control. PB_TOOL_Scintilla holds the
// window handle of the IDE's Scintilla control; message 2006 answers the
// text length, 2007 the character at position wParam. A window that does
// not answer within a few seconds (a hung IDE) counts as no answer, 0, like
// a stale handle, so the run never hangs on it.
#include "platform/platform_win32.h"
#include "platform/windows_win32.h"

namespace korvex::platform {
namespace {

constexpr UINT kAnswerTimeoutMs = 5000;

}  // namespace

int64_t Win32Platform::EditorMessage(int64_t handle, int message, int64_t wParam, int64_t lParam) {
  HWND window = reinterpret_cast<HWND>(static_cast<intptr_t>(handle));
  if (window == nullptr || !IsWindow(window)) return 0;
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutA(window, static_cast<UINT>(message), static_cast<WPARAM>(wParam),
                           static_cast<LPARAM>(lParam), SMTO_ABORTIFHUNG | SMTO_BLOCK,
                           kAnswerTimeoutMs, &answer))
    return 0;
  return static_cast<int64_t>(static_cast<LRESULT>(answer));
}

}  // namespace korvex::platform
