// The installer's window and message box on Windows.

#include <windows.h>

#include "platform/display.h"
#include "platform/executable_path_windows.h"
#include "platform/window_pixels.h"
#include "platform/windows_text.h"

namespace scenario::platform {

// Where standard error leads nowhere, collects what is written there and
// shows it when the program ends (standard_error_report_windows.cpp).
void report_standard_error_at_exit();

namespace {

constexpr wchar_t kWindowClass[] = L"ScenarioInstallerForm";

// A fixed frame with a title, a system menu and a minimise button: the
// contents never change size.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// The executable's name without its extension.
std::wstring program_name() {
  std::wstring name = executable_path();
  name.erase(0, name.find_last_of(L"\\/") + 1);
  const auto dot = name.find_last_of(L'.');
  if (dot != std::wstring::npos && dot > 0)
    name.erase(dot);
  return name;
}

class Win32Display final : public Display {
 public:
  ~Win32Display() override {
    if (window_ != nullptr)
      DestroyWindow(window_);
    if (font_ != nullptr)
      DeleteObject(font_);
  }

  void show_window(const WindowLayout& layout) override {
    if (window_ != nullptr)
      DestroyWindow(window_);
    if (font_ != nullptr)
      DeleteObject(font_);
    pixels_ = to_pixels(layout);
    caption_ = to_wide(layout.label_caption);
    // Character set 0 (ANSI); Windows takes its TrueType successor where
    // the bitmap font lacks the size.
    font_ = CreateFontW(-pixels_.font_pixels, 0, 0, 0, layout.font_weight, FALSE, FALSE, FALSE,
                        ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_SWISS, to_wide(layout.font_name).c_str());
    register_class();
    RECT frame{0, 0, pixels_.client_width, pixels_.client_height};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    window_ = CreateWindowExW(0, kWindowClass, program_name().c_str(), kStyle, CW_USEDEFAULT,
                              CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                              nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (window_ != nullptr)
      ShowWindow(window_, SW_SHOWNORMAL);
  }

  // Lets the window take in what showing it queued (activation, the first
  // paint request), then paints frame, background and label at once.
  void repaint() override {
    if (window_ == nullptr)
      return;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ERASENOW);
    GdiFlush();
  }

  // Application-modal: the window is disabled while the box is up.
  void message_box(const std::string& title, const std::string& prompt) override {
    MessageBoxW(window_, to_wide(prompt).c_str(), to_wide(title).c_str(), MB_OK | MB_APPLMODAL);
  }

 private:
  static void register_class() {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = window_procedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = kWindowClass;
    RegisterClassExW(&window_class);  // fails harmlessly when registered already
  }

  static LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
      const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(l);
      SetWindowLongPtrW(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Display*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
      case WM_PAINT:
        if (self != nullptr) {
          self->paint(window);
          return 0;
        }
        break;
      case WM_CLOSE:
        // The installation finishes by itself; closing the window would not
        // stop it.
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
  }

  // The label: left-aligned, words wrapped within its box, clipped to it,
  // on the window's own background.
  void paint(HWND window) const {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    const HGDIOBJ previous = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    RECT label{pixels_.label.left, pixels_.label.top, pixels_.label.left + pixels_.label.width,
               pixels_.label.top + pixels_.label.height};
    DrawTextW(dc, caption_.c_str(), -1, &label, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, previous);
    EndPaint(window, &paint);
  }

  HWND window_ = nullptr;
  HFONT font_ = nullptr;
  PixelLayout pixels_;
  std::wstring caption_;
};

}  // namespace

std::unique_ptr<Display> make_display() {
  report_standard_error_at_exit();
  return std::make_unique<Win32Display>();
}

}  // namespace scenario::platform
