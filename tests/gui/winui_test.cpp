// The dialog layer on its own: a handler's exception ends the dialog instead of crossing the
// window procedure, and a modeless dialog lives until it is closed or its object goes. The
// plug-in's Cabrillo template (from QVT.dll) serves as the test dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "resources/resource.h"
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

}  // namespace
}  // namespace qvt::winui
