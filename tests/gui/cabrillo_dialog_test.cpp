// The Cabrillo header dialog of QVT.dll, driven as an operator would through window messages:
// a Cabrillo reset runs on a worker thread (the host's thread), the test finds the dialog by its
// caption, reads and edits the fields, presses OK or Cancel, then feeds QSOs and asks for the
// result, closes the "Output" box and checks the settings file and the Cabrillo log.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "plugin/qvt_exports.h"
#include "resources/resource.h"
#include "winui/data_exchange.h"
#include "winui/gdi.h"

namespace qvt {
namespace {

using Clock = std::chrono::steady_clock;
using winui::WindowText;

constexpr auto kWindowWait = std::chrono::seconds(20);
constexpr const char* kCaption = "QVT Contest ";

// Serves this thread's messages: a message box owned by one of our windows sends to it.
void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

struct WindowSearch {
  const char* caption;
  HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  if (ClassOf(window) == "#32770" && IsWindowVisible(window) &&
      WindowText(window) == search->caption) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CancelWindow(HWND window, LPARAM) {
  PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

std::vector<HWND> Children(HWND window) {
  std::vector<HWND> children;
  EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

std::atomic<bool> g_strandedWorker{false};

// Runs a host call on its own thread, as the host's thread would make it. The destructor never
// hangs: whatever window the call still shows is cancelled; a call that does not end then is
// left behind (and the library is not unloaded under it).
class HostThread {
 public:
  explicit HostThread(std::function<void()> call) {
    thread_ = std::thread([this, call = std::move(call)] {
      id_ = GetCurrentThreadId();
      call();
      done_ = true;
    });
    while (id_ == 0) Sleep(1);
  }
  ~HostThread() {
    const auto until = Clock::now() + kWindowWait;
    while (!done_ && Clock::now() < until) {
      EnumThreadWindows(id_, CancelWindow, 0);
      Pump();
      Sleep(20);
    }
    if (done_) {
      thread_.join();
    } else {
      g_strandedWorker = true;
      thread_.detach();
    }
  }
  HostThread(const HostThread&) = delete;
  HostThread& operator=(const HostThread&) = delete;

  // A visible dialog of this thread with the caption, or null after the wait.
  HWND WaitForDialog(const char* caption) const {
    const auto until = Clock::now() + kWindowWait;
    while (Clock::now() < until) {
      WindowSearch search{caption, nullptr};
      EnumThreadWindows(id_, MatchDialog, reinterpret_cast<LPARAM>(&search));
      if (search.found != nullptr) return search.found;
      if (done_) return nullptr;
      Pump();
      Sleep(20);
    }
    return nullptr;
  }
  bool WaitDone() const {
    const auto until = Clock::now() + kWindowWait;
    while (!done_ && Clock::now() < until) {
      Pump();
      Sleep(10);
    }
    return done_;
  }

 private:
  std::thread thread_;
  std::atomic<DWORD> id_{0};
  std::atomic<bool> done_{false};
};

// Presses a push button of a dialog the way a click reports it.
void Press(HWND dialog, int id) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string ItemText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

int Selection(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}

std::vector<std::string> ComboEntries(HWND dialog, int id) {
  std::vector<std::string> entries;
  const LRESULT count = SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    char text[64] = {};
    SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, static_cast<WPARAM>(i),
                        reinterpret_cast<LPARAM>(text));
    entries.emplace_back(text);
  }
  return entries;
}

// A rectangle in dialog units as pixels: each of x, y, width and height converted on its own,
// as the dialog manager does.
RECT Pixels(HWND dialog, int x, int y, int cx, int cy) {
  RECT r{x, y, cx, cy};
  MapDialogRect(dialog, &r);
  return r;
}

// A child's place in the dialog's client area: x, y, width, height.
RECT Placement(HWND dialog, HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return RECT{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// The window as it shows on screen, as 32-bit pixels (top row first), saved as a BMP file.
struct Capture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB
  std::uint32_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

Capture CaptureWindow(HWND window, const std::string& bmpPath) {
  Capture shot;
  RECT r;
  GetWindowRect(window, &r);
  shot.width = r.right - r.left;
  shot.height = r.bottom - r.top;
  winui::WindowDc screen(window, winui::WindowDc::Area::kWindow);
  winui::MemoryDc memory(screen.Get());
  winui::Bitmap bitmap(CreateCompatibleBitmap(screen.Get(), shot.width, shot.height));
  {
    winui::SelectGuard select(memory.Get(), bitmap.Get());
    BitBlt(memory.Get(), 0, 0, shot.width, shot.height, screen.Get(), 0, 0, SRCCOPY);
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = shot.width;
  info.bmiHeader.biHeight = -shot.height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  shot.pixels.resize(static_cast<std::size_t>(shot.width) * static_cast<std::size_t>(shot.height));
  GetDIBits(memory.Get(), bitmap.Get(), 0, static_cast<UINT>(shot.height), shot.pixels.data(),
            &info, DIB_RGB_COLORS);

  // Opaque in the file: viewers read the fourth byte as alpha.
  std::vector<std::uint32_t> opaque(shot.pixels);
  for (auto& p : opaque) p |= 0xFF000000u;
  for (auto& p : shot.pixels) p &= 0x00FFFFFFu;
  const auto imageBytes = static_cast<DWORD>(opaque.size() * sizeof(std::uint32_t));
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + imageBytes;
  std::ofstream out(bmpPath, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
  out.write(reinterpret_cast<const char*>(opaque.data()), imageBytes);
  return shot;
}

struct DestroyWindowDeleter {
  void operator()(HWND window) const { DestroyWindow(window); }
};
using OwnedWindow = std::unique_ptr<std::remove_pointer_t<HWND>, DestroyWindowDeleter>;

class CabrilloDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> counter{0};
    folder_ = std::filesystem::temp_directory_path() /
              ("qvt-gui-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_ / "Plugins");
    char saved[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, saved);
    savedDirectory_ = saved;
    ASSERT_TRUE(SetCurrentDirectoryA(folder_.string().c_str()));

    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string dll = std::filesystem::path(self).replace_filename("QVT.dll").string();
    // A fresh load per test: the library's state starts as at the host's start.
    module_ = LoadLibraryA(dll.c_str());
    ASSERT_NE(module_, nullptr) << dll;
    reset_ = Export<abi::ResetStatsFn>("ResetStats0");
    add_ = Export<abi::AddDataFn>("AddData0");
    result_ = Export<abi::GetResultFn>("GetResult0");
    ASSERT_TRUE(reset_ != nullptr && add_ != nullptr && result_ != nullptr);
  }

  void TearDown() override {
    if (module_ != nullptr && !g_strandedWorker) FreeLibrary(module_);
    SetCurrentDirectoryA(savedDirectory_.c_str());
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  template <typename Fn>
  Fn Export(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }

  void WriteSettings(const std::string& bytes) {
    std::ofstream(folder_ / "Plugins" / "QVT.ini", std::ios::binary) << bytes;
  }
  std::string Setting(const char* key) {
    char value[256] = {};
    const std::string file = (folder_ / "Plugins" / "QVT.ini").string();
    GetPrivateProfileStringA("Settings", key, "<none>", value, sizeof value, file.c_str());
    return value;
  }
  std::string ReadFile(const char* name) {
    std::ifstream in(folder_ / name, std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  int Reset(const char* ownCall) {
    abi::HostDateTime start{44268.0, abi::kValid};  // 2021-03-13 00:00
    abi::HostDateTime end{44269.0, abi::kValid};
    return reset_("", 1, ownCall, &start, &end, "", "", "", "", "", "", "", "", "", "DL", 0, 0,
                  0, 0.0, 0.0, "", "", "");
  }
  int Add(const char* call, unsigned hz, const char* mode, const char* band, const char* sent,
          const char* prefix) {
    abi::HostDateTime at{44269.0 + (9 * 60 + 35) / 1440.0, abi::kValid};  // 2021-03-14 09:35
    return add_("ZZ9ZZ/P", call, &at, &at, &at, &at, 0u, hz, mode, "599", "579", sent, "005", "",
                "", "", "", "", "", "", "", prefix, "DL", 0, 0, 0, 0.0, 0.0, "", "", "", band, "");
  }

  std::filesystem::path folder_;
  std::string savedDirectory_;
  HMODULE module_ = nullptr;
  abi::ResetStatsFn reset_ = nullptr;
  abi::AddDataFn add_ = nullptr;
  abi::GetResultFn result_ = nullptr;
};

// Settings as the operator left them last time; no "Operators" key.
constexpr const char* kStoredSettings =
    "[Settings]\r\n"
    "Name=Ann Example\r\n"
    "Address-City=Springfield\r\n"
    "Claimed=1234\r\n"
    "Mode=BPSK63\r\n"
    "Category=SO-LP\r\n"
    "Category_Overlay=LOW\r\n"
    "Email=ann@example.org\r\n"
    "SoapBox=Good fun<CR><LF>73 all\r\n";

TEST_F(CabrilloDialog, TemplateHasEveryControlInPlaceWithItsStyleAndList) {
  WriteSettings(kStoredSettings);
  int resetResult = 0;
  HostThread host([&] { resetResult = Reset("ZZ9ZZ"); });
  HWND dialog = host.WaitForDialog(kCaption);
  ASSERT_NE(dialog, nullptr) << "no dialog \"" << kCaption << "\"";

  // No parent or owner: the dialog stands on its own.
  EXPECT_EQ(GetParent(dialog), nullptr);
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr);
  const LONG style = GetWindowLongA(dialog, GWL_STYLE);
  EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU), WS_POPUP | WS_CAPTION | WS_SYSMENU);
  EXPECT_NE(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME, 0);
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
  RECT client;
  GetClientRect(dialog, &client);
  const RECT size = Pixels(dialog, 0, 0, 255, 329);
  EXPECT_EQ(client.right, size.right);
  EXPECT_EQ(client.bottom, size.bottom);

  enum Kind { kEdit, kCombo, kButton };
  const struct {
    int id;
    Kind kind;
    int x, y, cx, cy;
    LONG set;    // style bits that must be set
    LONG clear;  // style bits that must be clear
  } controls[] = {
      {IDC_CONTEST, kEdit, 55, 9, 190, 12, 0, ES_MULTILINE | WS_DISABLED},
      {IDC_CALLSIGN, kEdit, 55, 23, 88, 12, 0, ES_MULTILINE},
      {IDC_CLAIMED, kEdit, 184, 23, 61, 12, 0, ES_MULTILINE},
      {IDC_CATEGORY, kCombo, 92, 38, 79, 86, 0, CBS_SORT | WS_DISABLED},
      {IDC_CATEGORY_BAND, kCombo, 92, 53, 79, 72, WS_DISABLED, CBS_SORT},
      {IDC_CATEGORY_MODE, kEdit, 92, 67, 79, 13, 0, ES_MULTILINE},
      {IDC_CATEGORY_OVERLAY, kCombo, 91, 82, 80, 51, CBS_SORT | WS_DISABLED, 0},
      {IDC_CATEGORY_TIME, kCombo, 91, 97, 79, 51, CBS_SORT | WS_DISABLED, 0},
      {IDC_CATEGORY_TRANSMITTER, kCombo, 105, 112, 66, 49, CBS_SORT | WS_DISABLED, 0},
      {IDC_NAME, kEdit, 55, 128, 191, 12, 0, ES_MULTILINE},
      {IDC_ADDRESS, kEdit, 55, 142, 191, 12, ES_MULTILINE | ES_WANTRETURN, WS_VSCROLL},
      {IDC_ADDRESS_CITY, kEdit, 69, 156, 177, 12, ES_MULTILINE | ES_WANTRETURN, WS_VSCROLL},
      {IDC_ADDRESS_POSTALCODE, kEdit, 101, 171, 145, 12, ES_MULTILINE | ES_WANTRETURN, WS_VSCROLL},
      {IDC_ADDRESS_COUNTRY, kEdit, 101, 186, 145, 12, ES_MULTILINE | ES_WANTRETURN, WS_VSCROLL},
      {IDC_OPERATORS, kEdit, 55, 200, 191, 12, 0, ES_MULTILINE},
      {IDC_CLUB, kEdit, 55, 214, 191, 12, 0, ES_MULTILINE},
      {IDC_SOAPBOX, kEdit, 55, 228, 191, 31, ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL, 0},
      {IDC_EMAIL, kEdit, 55, 261, 191, 12, 0, ES_MULTILINE},
      {IDOK, kButton, 81, 281, 51, 21, BS_DEFPUSHBUTTON, 0},
      {IDCANCEL, kButton, 143, 281, 46, 21, 0, BS_DEFPUSHBUTTON},
  };
  for (const auto& c : controls) {
    SCOPED_TRACE("control " + std::to_string(c.id));
    HWND control = GetDlgItem(dialog, c.id);
    ASSERT_NE(control, nullptr);
    const char* expectedClass = c.kind == kEdit ? "Edit" : c.kind == kCombo ? "ComboBox" : "Button";
    EXPECT_STRCASEEQ(ClassOf(control).c_str(), expectedClass);
    EXPECT_TRUE(IsWindowVisible(control));
    const RECT want = Pixels(dialog, c.x, c.y, c.cx, c.cy);
    const RECT got = Placement(dialog, control);
    EXPECT_EQ(got.left, want.left);
    EXPECT_EQ(got.top, want.top);
    EXPECT_EQ(got.right, want.right);  // the width
    // A combo box's window is as high as its edit part; the template's height is the list's.
    if (c.kind != kCombo) {
      EXPECT_EQ(got.bottom, want.bottom);
    }
    const LONG s = GetWindowLongA(control, GWL_STYLE);
    EXPECT_EQ(s & c.set, c.set);
    EXPECT_EQ(s & c.clear, 0);
    if (c.kind == kCombo) {
      EXPECT_EQ(s & 3, CBS_DROPDOWN);  // drop-down with an edit part
    }
  }
  EXPECT_EQ(ItemText(dialog, IDOK), "OK");
  EXPECT_EQ(ItemText(dialog, IDCANCEL), "CANCEL");

  // The labels, each at its place, and the hidden frame around everything.
  const struct {
    const char* text;
    int x, y;
  } labels[] = {
      {"CONTEST", 10, 10},        {"CALLSIGN", 9, 25},          {"CLAIMED", 149, 25},
      {"CATEGORY-OPERATOR", 9, 41}, {"CATEGORY-BAND", 9, 54},   {"CATEGORY-MODE", 9, 69},
      {"CATEGORY-POWER", 9, 83},  {"CATEGORY-TIME", 9, 100},    {"CATEGORY-TRANSMITTER", 9, 113},
      {"NAME", 10, 130},          {"ADDRESS", 10, 144},         {"ADDRESS-CITY", 10, 159},
      {"ADDRESS-POSTALCODE", 10, 173}, {"ADDRESS-COUNTRY", 9, 187}, {"OPERATORS", 10, 202},
      {"CLUB", 10, 216},          {"SOAPBOX", 10, 240},         {"E-MAIL", 10, 263},
  };
  const std::vector<HWND> children = Children(dialog);
  for (const auto& label : labels) {
    SCOPED_TRACE(label.text);
    HWND found = nullptr;
    for (HWND child : children) {
      if (ClassOf(child) == "Static" && WindowText(child) == label.text) found = child;
    }
    ASSERT_NE(found, nullptr);
    EXPECT_TRUE(IsWindowVisible(found));
    const RECT want = Pixels(dialog, label.x, label.y, 0, 0);
    const RECT got = Placement(dialog, found);
    EXPECT_EQ(got.left, want.left);
    EXPECT_EQ(got.top, want.top);
  }
  bool frameFound = false;
  for (HWND child : children) {
    if (ClassOf(child) == "Button" && WindowText(child) == "Static") {
      frameFound = true;
      EXPECT_EQ(GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
      EXPECT_FALSE(IsWindowVisible(child));
      const RECT got = Placement(dialog, child);
      const RECT want = Pixels(dialog, 5, 0, 246, 327);
      EXPECT_EQ(got.left, want.left);
      EXPECT_EQ(got.right, want.right);
    }
  }
  EXPECT_TRUE(frameFound);

  // The lists, in their order (the sorted ones sorted).
  using List = std::vector<std::string>;
  EXPECT_EQ(ComboEntries(dialog, IDC_CATEGORY),
            (List{"SO-HP", "SO-LP", "SO-QRP", "SO80", "SO40", "SO20", "SO15", "SO10", "MO", "M", "CL"}));
  EXPECT_EQ(ComboEntries(dialog, IDC_CATEGORY_BAND), (List{"ALL", "80M", "40M", "20M", "15M", "10M"}));
  EXPECT_EQ(ComboEntries(dialog, IDC_CATEGORY_TIME), (List{"6-HOURS"}));
  EXPECT_EQ(ComboEntries(dialog, IDC_CATEGORY_TRANSMITTER), (List{"ONE", "TWO", "UNLIMITED"}));
  EXPECT_EQ(ComboEntries(dialog, IDC_CATEGORY_OVERLAY), (List{"HIGH", "LOW", "QRP"}));

  // The screenshot: labels and fields drawn. Text is dark on the light face, so the label
  // areas must hold dark pixels.
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Sleep(300);
  const Capture shot = CaptureWindow(dialog, std::string(QVT_ARTIFACTS_DIR) + "/cabrillo-dialog.bmp");
  POINT origin{0, 0};
  ClientToScreen(dialog, &origin);
  RECT frame;
  GetWindowRect(dialog, &frame);
  for (const auto& label : {labels[0], labels[8], labels[17]}) {
    const RECT at = Pixels(dialog, label.x, label.y, 40, 8);
    int dark = 0;
    for (int y = at.top; y < at.top + at.bottom; ++y) {
      for (int x = at.left; x < at.left + at.right; ++x) {
        const std::uint32_t p = shot.At(x + origin.x - frame.left, y + origin.y - frame.top);
        if (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 200) ++dark;
      }
    }
    EXPECT_GT(dark, 10) << "label \"" << label.text << "\" not drawn";
  }

  Press(dialog, IDCANCEL);
  EXPECT_TRUE(host.WaitDone());
  EXPECT_EQ(resetResult, 1);
}

TEST_F(CabrilloDialog, OkStoresTheEditedHeaderAndTheNextResultWritesTheLog) {
  WriteSettings(kStoredSettings);
  int resetResult = 0;
  {
    HostThread host([&] { resetResult = Reset("ZZ9ZZ/P"); });
    HWND dialog = host.WaitForDialog(kCaption);
    ASSERT_NE(dialog, nullptr);

    // What the dialog opens with: stored fields, fixed contest and category, the own call.
    const struct {
      int id;
      const char* text;
    } shown[] = {
        {IDC_CONTEST, "QVT"},
        {IDC_CALLSIGN, "ZZ9ZZ/P"},
        {IDC_CLAIMED, "1234"},
        {IDC_CATEGORY, "SO-HP"},  // "SO-LP" is stored, but the box opens at SO-HP
        {IDC_CATEGORY_MODE, "BPSK63"},
        {IDC_NAME, "Ann Example"},
        {IDC_ADDRESS, ""},
        {IDC_ADDRESS_CITY, "Springfield"},
        {IDC_OPERATORS, "ZZ9ZZ/P"},  // no stored operators: the own call
        {IDC_CLUB, ""},
        {IDC_SOAPBOX, "Good fun\r\n73 all"},
        {IDC_EMAIL, "ann@example.org"},
        // The disabled boxes start empty in a fresh library; an empty text selects the first
        // entry (every entry begins with it), so they open at their first entry.
        {IDC_CATEGORY_OVERLAY, "HIGH"},
        {IDC_CATEGORY_BAND, "ALL"},
        {IDC_CATEGORY_TIME, "6-HOURS"},
        {IDC_CATEGORY_TRANSMITTER, "ONE"},
    };
    for (const auto& s : shown) EXPECT_EQ(ItemText(dialog, s.id), s.text) << "control " << s.id;
    EXPECT_EQ(Selection(dialog, IDC_CATEGORY), 0);
    EXPECT_EQ(Selection(dialog, IDC_CATEGORY_OVERLAY), 0);

    // The operator's edits. A line break typed into a one-line address box; a claimed score
    // that is dropped; the category picked from the list.
    SetDlgItemTextA(dialog, IDC_NAME, "Bob Other");
    SetDlgItemTextA(dialog, IDC_ADDRESS, "Main Street 1\r\nBack door");
    SetDlgItemTextA(dialog, IDC_CLAIMED, "999999");
    SetDlgItemTextA(dialog, IDC_CLUB, "Digital Club");
    SetDlgItemTextA(dialog, IDC_SOAPBOX, "line one\r\nline two");
    SendDlgItemMessageA(dialog, IDC_CATEGORY, CB_SETCURSEL, 1, 0);
    Press(dialog, IDOK);
    EXPECT_TRUE(host.WaitDone());
  }
  EXPECT_EQ(resetResult, 1);

  const struct {
    const char* key;
    const char* value;
  } stored[] = {
      {"Operators", "ZZ9ZZ/P"},
      {"Name", "Bob Other"},
      {"Address", "Main Street 1 Back door"},
      {"Address-City", "Springfield"},
      {"Address-PostalCode", ""},
      {"Category", "SO-LP"},
      {"Category_Overlay", "HIGH"},
      {"Contest", "QVT"},
      {"Email", "ann@example.org"},
      {"Club", "Digital Club"},
      {"SoapBox", "line one<CR><LF>line two"},
      {"Claimed", "1234"},  // the typed score is dropped
      {"Mode", "BPSK63"},   // not written by the dialog
  };
  for (const auto& s : stored) EXPECT_EQ(Setting(s.key), s.value) << s.key;

  EXPECT_EQ(Add("QQ1A", 14080500, "RTTY", "20m", "001", "QQ1"), 1);
  EXPECT_EQ(Add("RR2BB", 3580000, "BPSK63", "80m", "002", "RR2"), 1);
  EXPECT_EQ(Add("QQ1A", 14081000, "RTTY", "20m", "003", "QQ1"), 1);  // duplicate

  // The host's main window owns the confirmation box.
  OwnedWindow mainWindow(CreateWindowExA(0, "STATIC", "Test host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                         600, 600, 200, 100, nullptr, nullptr, nullptr, nullptr));
  ASSERT_NE(mainWindow, nullptr);
  {
    HostThread host([&] { result_(nullptr); });
    HWND box = host.WaitForDialog("Output");
    ASSERT_NE(box, nullptr) << "no \"Output\" box";
    EXPECT_EQ(GetWindow(box, GW_OWNER), mainWindow.get());
    bool textFound = false;
    bool iconFound = false;
    for (HWND child : Children(box)) {
      if (ClassOf(child) != "Static") continue;
      if (WindowText(child) == "File produced: ZZ9ZZ_P.log") textFound = true;
      if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        iconFound = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0)) ==
                    LoadIconA(nullptr, MAKEINTRESOURCEA(32516));  // IDI_INFORMATION
      }
    }
    EXPECT_TRUE(textFound);
    EXPECT_TRUE(iconFound) << "not the information icon";
    Press(box, IDOK);
    EXPECT_TRUE(host.WaitDone());
  }

  EXPECT_EQ(ReadFile("ZZ9ZZ_P.log"),
            "START-OF-LOG: 2.0\r\n"
            "ARRL-SECTION: DX\r\n"
            "CALLSIGN: ZZ9ZZ/P\r\n"
            "CLUB: Digital Club\r\n"
            "CONTEST: QVT\r\n"
            "CATEGORY: SO-LP\r\n"
            "CLAIMED-SCORE: 4\r\n"
            "OPERATORS: ZZ9ZZ/P\r\n"
            "NAME: Bob Other\r\n"
            "ADDRESS: Main Street 1 Back door\r\n"
            "ADDRESS: Springfield\r\n"
            "ADDRESS: \r\n"
            "ADDRESS: \r\n"
            "EMAIL: ann@example.org\r\n"
            "CREATED-BY: Kelvo \r\n"
            "QSO: 14080 RY 2021-03-14 0935 ZZ9ZZ/P       599 001    QQ1A          599 005\r\n"
            "QSO:  3580 PM 2021-03-14 0935 ZZ9ZZ/P       599 002    RR2BB         599 005\r\n"
            "QSO: 14081 RY 2021-03-14 0935 ZZ9ZZ/P       599 003    QQ1A          599 005\r\n"
            "END-OF-LOG:\r\n");
}

TEST_F(CabrilloDialog, CancelOrCloseStoresNothingAndNoLogIsWritten) {
  const struct {
    const char* how;
    std::function<void(HWND)> close;
  } ways[] = {
      {"CANCEL button", [](HWND d) { Press(d, IDCANCEL); }},
      {"close box", [](HWND d) { SendMessageA(d, WM_CLOSE, 0, 0); }},
      {"Escape", [](HWND d) { SendMessageA(d, WM_COMMAND, IDCANCEL, 0); }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.how);
    WriteSettings(kStoredSettings);
    {
      HostThread host([&] { Reset("ZZ9ZZ"); });
      HWND dialog = host.WaitForDialog(kCaption);
      ASSERT_NE(dialog, nullptr);
      SetDlgItemTextA(dialog, IDC_NAME, "Bob Other");
      way.close(dialog);
      EXPECT_TRUE(host.WaitDone());
    }
    EXPECT_EQ(Setting("Name"), "Ann Example");
    EXPECT_EQ(Setting("Operators"), "<none>");
    EXPECT_EQ(Setting("Category"), "SO-LP");
    EXPECT_EQ(Add("QQ1A", 14080500, "RTTY", "20m", "001", "QQ1"), 1);
    HostThread host([&] { result_(nullptr); });
    // No export pass, so no box: the request ends on its own.
    EXPECT_TRUE(host.WaitDone());
    EXPECT_EQ(ReadFile("ZZ9ZZ.log"), "<missing>");
  }
}

TEST_F(CabrilloDialog, CategoryBoxesShowTheEntryTheTextBeginsWithOrTheTextItself) {
  // The first dialog leaves texts in the disabled boxes (set here as the operator cannot);
  // the next dialog shows them through the list: a known beginning selects its entry, letter
  // case ignored; an unknown text stands as it is.
  {
    HostThread host([&] { Reset("ZZ9ZZ"); });
    HWND dialog = host.WaitForDialog(kCaption);
    ASSERT_NE(dialog, nullptr);
    SetDlgItemTextA(dialog, IDC_CATEGORY_OVERLAY, "lo");
    SetDlgItemTextA(dialog, IDC_CATEGORY_TRANSMITTER, "FOUR");
    SetDlgItemTextA(dialog, IDC_CATEGORY_BAND, "");
    SetDlgItemTextA(dialog, IDC_CATEGORY, "so-q");  // typed, not picked
    Press(dialog, IDOK);
    EXPECT_TRUE(host.WaitDone());
  }
  EXPECT_EQ(Setting("Category_Overlay"), "lo");
  EXPECT_EQ(Setting("Category"), "so-q");
  {
    HostThread host([&] { Reset("ZZ9ZZ"); });
    HWND dialog = host.WaitForDialog(kCaption);
    ASSERT_NE(dialog, nullptr);
    const struct {
      int id;
      int selection;
      const char* text;
    } shown[] = {
        {IDC_CATEGORY_OVERLAY, 1, "LOW"},
        {IDC_CATEGORY_TRANSMITTER, -1, "FOUR"},
        {IDC_CATEGORY_BAND, 0, "ALL"},
        {IDC_CATEGORY_TIME, 0, "6-HOURS"},
        {IDC_CATEGORY, 0, "SO-HP"},
    };
    for (const auto& s : shown) {
      EXPECT_EQ(Selection(dialog, s.id), s.selection) << "control " << s.id;
      EXPECT_EQ(ItemText(dialog, s.id), s.text) << "control " << s.id;
    }
    Press(dialog, IDOK);
    EXPECT_TRUE(host.WaitDone());
  }
  EXPECT_EQ(Setting("Category_Overlay"), "LOW");
  EXPECT_EQ(Setting("Category"), "SO-HP");
}

}  // namespace
}  // namespace qvt

namespace qvt {
namespace {

struct TextSearch {
  const char* text;
  HWND found;
};

BOOL CALLBACK MatchBoxText(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<TextSearch*>(param);
  if (ClassOf(window) != "#32770" || !IsWindowVisible(window)) return TRUE;
  for (HWND child : Children(window)) {
    if (WindowText(child) == search->text) {
      search->found = window;
      return FALSE;
    }
  }
  return TRUE;
}

BOOL CALLBACK CountVisible(HWND window, LPARAM count) {
  if (IsWindowVisible(window)) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

// The plug-in's own setup entry only says there is nothing to set up: a plain message box with
// the system's default caption and an OK button, and no other window.
TEST_F(CabrilloDialog, SetupEntryShowsOnlyItsMessage) {
  auto setup = Export<abi::SetupSetFn>("SetupSet0");
  ASSERT_NE(setup, nullptr);
  DWORD hostThread = 0;
  HostThread host([&] {
    hostThread = GetCurrentThreadId();
    setup();
  });
  TextSearch search{"No additional setup for this plugin", nullptr};
  for (int i = 0; i < 1000 && search.found == nullptr; ++i) {
    if (hostThread != 0) EnumThreadWindows(hostThread, MatchBoxText, reinterpret_cast<LPARAM>(&search));
    Pump();
    Sleep(20);
  }
  ASSERT_NE(search.found, nullptr);
  EXPECT_EQ(WindowText(search.found), "Error");  // the system's default caption
  EXPECT_NE(GetDlgItem(search.found, IDOK), nullptr);
  EXPECT_EQ(GetDlgItem(search.found, IDCANCEL), nullptr);
  // The box is the only window the call shows (no setup window, no header dialog).
  int visible = 0;
  EnumThreadWindows(hostThread, CountVisible, reinterpret_cast<LPARAM>(&visible));
  EXPECT_EQ(visible, 1);
  PostMessageA(search.found, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(host.WaitDone());
}

}  // namespace
}  // namespace qvt
