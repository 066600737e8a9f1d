// The floors: plain Win32 code doing only what the editor's rules make unavoidable.
// Pens, brush and font are the display's stock or made once, so the floor pays for none.
#include "floors.h"

#include <map>
#include <vector>

#include "figures.h"
#include "win32/gdi_object.h"
#include "win32/owned_file.h"

namespace bench {

namespace {

constexpr int kPlotWidth = 340;
constexpr int kPlotHeight = 210;
constexpr const char* kDragFloorClass = "TovrexBenchDragFloor";

struct PlotInks {
  GdiObject<HPEN> ramp{CreatePen(PS_SOLID, 1, RGB(0, 0, 255))};
  GdiObject<HPEN> outline{CreatePen(PS_SOLID, 1, RGB(0, 0, 0))};
  GdiObject<HBRUSH> fill{CreateSolidBrush(RGB(255, 0, 0))};
};

const PlotInks& Inks() {
  static const PlotInks inks;
  return inks;
}

LRESULT CALLBACK DragFloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      SetWindowLongPtrA(window, GWLP_USERDATA, static_cast<LONG_PTR>(LOWORD(lParam) % 97));
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      PaintFloorPlot(dc, {40, 20}, static_cast<int>(GetWindowLongPtrA(window, GWLP_USERDATA)));
      EndPaint(window, &paint);
      return 0;
    }
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

// What the opening floor's dialog procedure is handed.
struct OpeningWork {
  const char* templateName;
  const std::string* file;
  int fileBytes;
  int fields;
  int frameId;
};

// The edit controls of a template, in their order, found once per template: the floor
// sets fields it knows, as the editor does, rather than searching for them each time.
std::vector<int> EditIds(HWND dialog) {
  std::vector<int> ids;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[16] = "";
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "Edit") == 0) ids.push_back(GetDlgCtrlID(child));
  }
  return ids;
}

INT_PTR CALLBACK OpeningFloorProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const auto& work = *reinterpret_cast<const OpeningWork*>(lParam);
      SetWindowLongPtrA(dialog, DWLP_USER, work.frameId);
      if (work.fileBytes > 0) {
        const OwnedFile file(CreateFileA(work.file->c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, 0, nullptr));
        std::vector<char> bytes(work.fileBytes);
        DWORD read = 0;
        if (file) ReadFile(file.Get(), bytes.data(), work.fileBytes, &read, nullptr);
      }
      static std::map<std::string, std::vector<int>> editsOf;  // by template
      auto found = editsOf.find(work.templateName);
      if (found == editsOf.end()) found = editsOf.emplace(work.templateName, EditIds(dialog)).first;
      const std::vector<int>& edits = found->second;
      for (int k = 0; k < work.fields && k < static_cast<int>(edits.size()); ++k) {
        SetDlgItemTextA(dialog, edits[k], "12.5");
      }
      return TRUE;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(dialog, &paint);
      POINT corner{0, 0};
      HWND frame = GetDlgItem(dialog, static_cast<int>(GetWindowLongPtrA(dialog, DWLP_USER)));
      if (frame) MapWindowPoints(frame, dialog, &corner, 1);
      PaintFloorPlot(dc, {corner.x + 30, corner.y + 10}, 0);
      EndPaint(dialog, &paint);
      return TRUE;
    }
    default: return FALSE;
  }
}

}  // namespace

void PaintFloorPlot(HDC dc, POINT corner, int shift) {
  static const char* const kTexts[] = {"Mins", "Temp", "0000", "00.0"};
  for (const char* text : kTexts) {
    SIZE size;
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
  }
  const RECT plot{corner.x, corner.y, corner.x + kPlotWidth, corner.y + kPlotHeight};
  FillRect(dc, &plot, GetSysColorBrush(COLOR_WINDOW));
  // A four-step ramp: a plateau, then a ramp and a plateau for each later step.
  const int x = corner.x, bottom = corner.y + kPlotHeight;
  const POINT ramp[8] = {{x, bottom - 20},
                         {x + 40, bottom - 20},
                         {x + 90 + shift, bottom - 120},
                         {x + 140 + shift, bottom - 120},
                         {x + 190, bottom - 180},
                         {x + 240, bottom - 180},
                         {x + 280, bottom - 60},
                         {x + 330, bottom - 60}};
  const PlotInks& inks = Inks();
  const HGDIOBJ previousPen = SelectObject(dc, inks.ramp.Get());
  Polyline(dc, ramp, 8);
  SelectObject(dc, inks.outline.Get());
  const HGDIOBJ previousBrush = SelectObject(dc, inks.fill.Get());
  for (int k = 1; k < 7; ++k)
    Rectangle(dc, ramp[k].x - 1, ramp[k].y - 2, ramp[k].x + 3, ramp[k].y + 2);
  SelectObject(dc, previousBrush);
  SelectObject(dc, previousPen);
}

DragFloor::DragFloor(HWND like) {
  static const ATOM atom = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DragFloorProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kDragFloorClass;
    return RegisterClassA(&wc);
  }();
  RECT r{};
  if (!atom || !GetWindowRect(like, &r)) return;
  // In the screen's far corner, so that neither window covers the other's painting.
  const int width = r.right - r.left, height = r.bottom - r.top;
  window_ =
      CreateWindowExA(0, kDragFloorClass, "", WS_POPUP | WS_VISIBLE,
                      GetSystemMetrics(SM_CXSCREEN) - width, GetSystemMetrics(SM_CYSCREEN) - height,
                      width, height, like, nullptr, GetModuleHandleA(nullptr), nullptr);
  for (int i = 0; i < 50; ++i) Step(i);  // warm up, as the real drag is
}

DragFloor::~DragFloor() {
  if (window_) DestroyWindow(window_);
}

void DragFloor::Step(int i) {
  SendMessageA(window_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(i * 37 % 300, 100));
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  GdiFlush();
}

double OpenFloor(HWND owner, const char* templateName, int frameId, const std::string& file,
                 int fileBytes, int fields) {
  OpeningWork work{templateName, &file, fileBytes, fields, frameId};
  const double t0 = NowMs();
  HWND dialog = CreateDialogParamA(GetModuleHandleA("tovrex.dll"), templateName, owner,
                                   OpeningFloorProc, reinterpret_cast<LPARAM>(&work));
  if (!dialog) return -1.0;
  ShowWindow(dialog, SW_SHOW);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (IsDialogMessageA(dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  const double ms = NowMs() - t0;
  DestroyWindow(dialog);
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  return ms;
}

}  // namespace bench
