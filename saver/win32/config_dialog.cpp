#include "saver/win32/config_dialog.h"

#include "saver/animation/win32/win32_profile_store.h"
#include "saver/framework/config_dialog_model.h"
#include "saver/framework/logo_layout.h"
#include "saver/win32/win32_dialog_controls.h"
#include "saver/win32/win32_window_host.h"

namespace verdant {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kCyan = RGB(0, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr char kHelpFile[] = "VERDANT.HLP";

// The dialog's graphic objects, which live from its initialisation until its window is gone.
HBITMAP BackgroundBitmap = nullptr;
HBRUSH PatternBrush = nullptr;
HBITMAP LogoBitmap = nullptr;
HBRUSH CyanBrush = nullptr;

// What the dialog edits while it is open: its settings, and the profile file they come from
// and go to, which the dialog's initial parameter names.
ProfileStore* DialogProfile = nullptr;
SaverSettings DialogSettings;

INT_PTR OnInitDialog(HWND dialog, LPARAM profile) {
  Win32WindowHost host(dialog);
  Win32DialogControls controls(dialog);
  DialogProfile = reinterpret_cast<ProfileStore*>(profile);
  DialogSettings = SaverSettings{};
  if (!OpenConfigDialog(host, controls, *DialogProfile, DialogSettings)) {
    ::EndDialog(dialog, 1);
    return TRUE;
  }
  // The bitmaps come from the module that holds the dialog's template.
  const auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
  BackgroundBitmap = ::LoadBitmapA(instance, "SSBkgBitmap");
  LogoBitmap = ::LoadBitmapA(instance, "CrestMark");
  PatternBrush = ::CreatePatternBrush(BackgroundBitmap);
  CyanBrush = ::CreateSolidBrush(kCyan);
  return TRUE;
}

INT_PTR EndConfigDialog(HWND dialog) {
  ::EndDialog(dialog, 1);
  return TRUE;
}

// Only once the window is gone: while EndDialog runs, the buttons still ask for the cyan brush.
void DeleteGraphicObjects() {
  ::DeleteObject(PatternBrush);
  ::DeleteObject(BackgroundBitmap);
  ::DeleteObject(CyanBrush);
  ::DeleteObject(LogoBitmap);
  PatternBrush = nullptr;
  BackgroundBitmap = nullptr;
  CyanBrush = nullptr;
  LogoBitmap = nullptr;
}

INT_PTR OnCommand(HWND dialog, int id, unsigned notification) {
  Win32DialogControls controls(dialog);
  switch (id) {
    case kOkButton:
      ConfirmConfigDialog(controls, *DialogProfile, DialogSettings);
      return EndConfigDialog(dialog);
    case kCancelButton:
      return EndConfigDialog(dialog);
    case kPlantList:
      if (notification == CBN_SELCHANGE) OnPlantSelectionChange(controls, DialogSettings);
      return FALSE;
    case kDefaultButton:
      ResetConfigControls(controls, DialogSettings);
      return TRUE;
    case kHelpButton:
      ::WinHelpA(dialog, kHelpFile, HELP_INDEX, 0);
      return TRUE;
  }
  return FALSE;
}

INT_PTR EraseBackground(HDC dc) {
  RECT area;
  ::GetClipBox(dc, &area);
  ::SetBkMode(dc, OPAQUE);
  HGDIOBJ previous = ::SelectObject(dc, PatternBrush);
  ::SetBrushOrgEx(dc, area.left, area.top, nullptr);
  ::PatBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, PATCOPY);
  ::SelectObject(dc, previous);
  return TRUE;
}

void CopyLogo(HDC dc, const RECT& panel) {
  HDC memory = ::CreateCompatibleDC(dc);
  HGDIOBJ previous = ::SelectObject(memory, LogoBitmap);
  ::BitBlt(dc, panel.left, panel.top, panel.right - panel.left, panel.bottom - panel.top, memory, 0,
           0, SRCCOPY);
  ::SelectObject(memory, previous);
  ::DeleteDC(memory);
}

// Each font is made, measured, used for its lines and deleted in turn; a line's place depends
// only on the fonts up to its own.
void WriteLogoLines(HDC dc, const RECT& panel) {
  std::array<LogoFontMetrics, 3> metrics{};
  for (std::size_t f = 0; f < kLogoFonts.size(); ++f) {
    HFONT font = ::CreateFontA(kLogoFonts[f].height, kLogoFonts[f].width, 0, 0, FW_BOLD, FALSE,
                               FALSE, FALSE, 0, 0, 0, 0, VARIABLE_PITCH | FF_SWISS, "Arial");
    HGDIOBJ previous = ::SelectObject(dc, font);
    TEXTMETRICA tm{};
    ::GetTextMetricsA(dc, &tm);
    metrics[f] = {static_cast<int>(tm.tmHeight), static_cast<int>(tm.tmExternalLeading),
                  static_cast<int>(tm.tmAveCharWidth)};
    for (const LogoLine& line : LayoutLogoLines(panel.left, panel.right, metrics)) {
      if (line.font != static_cast<int>(f)) continue;
      ::TextOutA(dc, line.x, line.y, line.text.data(), static_cast<int>(line.text.size()));
    }
    ::SelectObject(dc, previous);
    ::DeleteObject(font);
  }
}

INT_PTR PaintLogoPanel(HWND dialog) {
  PAINTSTRUCT paint;
  ::BeginPaint(dialog, &paint);
  ::EndPaint(dialog, &paint);
  HWND panel = ::GetDlgItem(dialog, kLogoPanel);
  HDC dc = ::GetDC(panel);
  RECT area;
  ::GetClientRect(panel, &area);
  CopyLogo(dc, area);
  int previous_mode = ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, kBlue);
  WriteLogoLines(dc, area);
  ::SetBkMode(dc, previous_mode);
  ::ReleaseDC(panel, dc);
  return FALSE;
}

INT_PTR ColorControl(HDC dc) {
  ::SetTextColor(dc, kRed);
  ::SetBkColor(dc, kCyan);
  return reinterpret_cast<INT_PTR>(CyanBrush);
}

}  // namespace

int PrepareConfigClasses(HINSTANCE) {
  return 1;
}

int ShowConfigDialog(HINSTANCE instance, bool with_owner) {
  HWND owner = with_owner ? ::GetActiveWindow() : nullptr;
  Win32ProfileStore profile;
  if (PrepareConfigClasses(instance)) {
    ::DialogBoxParamA(instance, MAKEINTRESOURCEA(kConfigDialogId), owner, ConfigDialogProc,
                      reinterpret_cast<LPARAM>(&profile));
  }
  return 1;
}

INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM w_param, LPARAM l_param) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog(dialog, l_param);
    case WM_COMMAND:
      return OnCommand(dialog, LOWORD(w_param), HIWORD(w_param));
    case WM_PAINT:
      return PaintLogoPanel(dialog);
    case WM_ERASEBKGND:
      return EraseBackground(reinterpret_cast<HDC>(w_param));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return ColorControl(reinterpret_cast<HDC>(w_param));
    case WM_CLOSE:
      return EndConfigDialog(dialog);
    case WM_DESTROY:
      DeleteGraphicObjects();
      return FALSE;
  }
  return FALSE;
}

}  // namespace verdant
