// A stand-in for the IDE's Scintilla editor control: a message-only window
// that answers message 2006 (SCI_GETLENGTH) with the length of a text and
// 2007 (SCI_GETCHARAT) with the byte at position wParam (0 past the end).
//   editor_window <text file>
// prints the window handle in decimal and a line end, then serves messages
// until it gets WM_CLOSE or a minute has passed.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string gText;

LRESULT CALLBACK Answer(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case 2006:
      return static_cast<LRESULT>(gText.size());
    case 2007:
      return wParam < gText.size() ? static_cast<unsigned char>(gText[wParam]) : 0;
    case WM_CLOSE:
    case WM_TIMER:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  std::ifstream in(argv[1], std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  gText = content.str();

  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = Answer;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "KorvexTestScintilla";
  if (!RegisterClassA(&windowClass)) return 3;
  HWND window = CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                nullptr, windowClass.hInstance, nullptr);
  if (window == nullptr) return 4;
  SetTimer(window, 1, 60000, nullptr);
  std::printf("%lld\n", static_cast<long long>(reinterpret_cast<INT_PTR>(window)));
  std::fflush(stdout);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
