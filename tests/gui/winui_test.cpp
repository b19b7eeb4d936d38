// The dialog layer on its own: a handler's exception ends the dialog instead of crossing the
// window procedure, a modeless dialog lives until it is closed or its object goes (the plug-in's
// Cabrillo template from QVT.dll serves as the test dialog), and the control bindings.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "resources/resource.h"
#include "winui/data_exchange.h"
#include "winui/dialog.h"

namespace qvt::winui {
namespace {

constexpr UINT_PTR kSafetyTimer = 1;
constexpr int kThrowCommand = 4000;

class WinuiDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string dll = std::filesystem::path(self).replace_filename("QVT.dll").string();
    // As a data file: only its dialog templates are wanted.
    module_ = LoadLibraryExA(dll.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module_, nullptr);
    SetResourceModule(module_);
  }
  void TearDown() override {
    SetResourceModule(nullptr);
    if (module_ != nullptr) FreeLibrary(module_);
  }
  HMODULE module_ = nullptr;
};

// Shows a name, throws from a command, and ends itself after a few seconds whatever happens,
// so that a fault cannot hang the test.
class Probe : public Dialog {
 public:
  Probe() : Dialog(IDD_CABRILLO) {}
  std::string name = "Ann";
  bool throwOnInit = false;
  int initCalls = 0;
  int destroyCalls = 0;

 protected:
  void DoDataExchange(DataExchange& dx) override { dx.Text(IDC_NAME, name); }
  bool OnInitDialog() override {
    ++initCalls;
    SetTimer(Handle(), kSafetyTimer, 10000, nullptr);
    if (throwOnInit) throw std::runtime_error("init");
    return Dialog::OnInitDialog();
  }
  bool OnCommand(int id, int, HWND) override {
    if (id == kThrowCommand) throw std::runtime_error("command");
    return false;
  }
  bool OnMessage(UINT message, WPARAM, LPARAM, INT_PTR&) override {
    if (message != WM_TIMER) return false;
    End(IDABORT);
    return true;
  }
  void OnDestroy() override { ++destroyCalls; }
};

TEST_F(WinuiDialog, AnExceptionInAHandlerEndsAModalDialogAsCancelled) {
  // Posted before the dialog exists, the command arrives once its modal loop runs.
  struct Poster : Probe {
    bool OnInitDialog() override {
      PostMessageA(Handle(), WM_COMMAND, kThrowCommand, 0);
      return Probe::OnInitDialog();
    }
  } poster;
  EXPECT_EQ(poster.DoModal(), IDCANCEL);
  EXPECT_EQ(poster.destroyCalls, 1);
  EXPECT_EQ(poster.Handle(), nullptr);

  Probe fromInit;
  fromInit.throwOnInit = true;
  EXPECT_EQ(fromInit.DoModal(), IDCANCEL);
  EXPECT_EQ(fromInit.initCalls, 1);
}

TEST_F(WinuiDialog, ModelessDialogReadsItsFieldsOnOkAndGoesWithItsObject) {
  Probe dialog;
  ASSERT_TRUE(dialog.Create());
  HWND window = dialog.Handle();
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(dialog.IsModal());
  EXPECT_EQ(dialog.initCalls, 1);
  char shown[32] = {};
  GetDlgItemTextA(window, IDC_NAME, shown, sizeof shown);
  EXPECT_STREQ(shown, "Ann");

  SetDlgItemTextA(window, IDC_NAME, "Bob");
  SendMessageA(window, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(dialog.name, "Bob");
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(dialog.Handle(), nullptr);
  EXPECT_EQ(dialog.destroyCalls, 1);

  HWND second = nullptr;
  {
    Probe scoped;
    ASSERT_TRUE(scoped.Create());
    second = scoped.Handle();
    EXPECT_TRUE(IsWindow(second));
    // A throwing command closes a modeless dialog too.
    SendMessageA(second, WM_COMMAND, kThrowCommand, 0);
    EXPECT_FALSE(IsWindow(second));
    ASSERT_TRUE(scoped.Create());
    second = scoped.Handle();
  }
  EXPECT_FALSE(IsWindow(second));
}

// Controls on a plain window, for the bindings without a template.
class Bindings : public ::testing::Test {
 protected:
  void SetUp() override {
    parent_ = CreateWindowExA(0, "STATIC", "bindings", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                              nullptr, nullptr);
    ASSERT_NE(parent_, nullptr);
  }
  void TearDown() override { DestroyWindow(parent_); }
  HWND Child(const char* cls, DWORD style, int id) {
    return CreateWindowExA(0, cls, "", WS_CHILD | style, 0, 0, 200, 100, parent_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }
  HWND parent_ = nullptr;
};

TEST_F(Bindings, ComboSelectsTheFirstEntryTheTextBeginsWithElseShowsTheText) {
  HWND combo = Child("COMBOBOX", CBS_DROPDOWN, 10);
  ASSERT_NE(combo, nullptr);
  // "\xC4RGER": an upper-case umlaut in the ANSI code page, to show case is ignored beyond ASCII.
  for (const char* entry : {"SO-HP", "SO-LP", "SO-QRP", "SO80", "\xC4RGER"}) {
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
  }
  const struct {
    const char* text;
    int selection;
    const char* shown;
  } cases[] = {
      {"", 0, "SO-HP"},  // every entry begins with the empty text
      {"so-l", 1, "SO-LP"},
      {"SO-QRP", 2, "SO-QRP"},
      {"SO", 0, "SO-HP"},
      {"SO8", 3, "SO80"},
      {"\xE4r", 4, "\xC4RGER"},
      {"SO-QRPX", -1, "SO-QRPX"},  // longer than the entry: no match
      {"MULTI", -1, "MULTI"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    SendMessageA(combo, CB_SETCURSEL, 2, 0);  // a selection left from before must not stay
    std::string value = c.text;
    DataExchange(parent_, false).ComboText(10, value);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), c.selection);
    EXPECT_EQ(WindowText(combo), c.shown);
    std::string read = "unchanged";
    DataExchange(parent_, true).ComboText(10, read);
    EXPECT_EQ(read, c.shown);
  }
}

TEST_F(Bindings, TextAndCheckBoxGoBothWays) {
  ASSERT_NE(Child("EDIT", ES_MULTILINE, 11), nullptr);
  ASSERT_NE(Child("BUTTON", BS_AUTO3STATE, 12), nullptr);
  for (int state : {1, 2, 0}) {
    int value = state;
    DataExchange(parent_, false).Check(12, value);
    value = -1;
    DataExchange(parent_, true).Check(12, value);
    EXPECT_EQ(value, state);
  }
  // Long texts come back whole, line breaks included.
  const std::string text = std::string(5000, 'x') + "\r\nend";
  std::string value = text;
  DataExchange(parent_, false).Text(11, value);
  value.clear();
  DataExchange(parent_, true).Text(11, value);
  EXPECT_EQ(value, text);
  // A missing control leaves the member alone.
  value = "kept";
  DataExchange(parent_, true).Text(99, value);
  EXPECT_EQ(value, "kept");
}

}  // namespace
}  // namespace qvt::winui
