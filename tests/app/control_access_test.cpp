// The same cases against every ControlAccess implementation available on
// this platform, so that the in-memory one cannot drift from the windows.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <tuple>

#include "resources/resource.h"
#include "window_model/memory_controls.h"

#ifdef _WIN32
#include <windows.h>

#include "app/win32_controls.h"
#endif

namespace corvanta {
namespace {

// Every harness holds: an empty "Feed Rate:" edit, an empty "C: " line,
// "&Solve", and four menu bar items, the first a popup of "Print ..."
// (greyed) and "Save Settings".
std::unique_ptr<ControlAccess> MemoryHarness() {
  auto controls = std::make_unique<MemoryControls>(4);
  controls->SetText(IDC_FEED_RATE, "");
  controls->SetText(IDC_C_LINE, "");
  controls->EnableMenuCommand(IDM_PRINT, false);
  controls->EnableMenuCommand(IDM_SAVE_SETTINGS, true);
  return controls;
}

#ifdef _WIN32
const wchar_t kClassName[] = L"CorvantaControlTest";

HMENU MakeMenuBar() {
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, IDM_SAVE_SETTINGS, L"Save Settings");
  AppendMenuW(file, MF_STRING | MF_GRAYED, IDM_PRINT, L"Print ...");
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  AppendMenuW(bar, MF_STRING, IDM_MAIN_PAGE, L"Main Page ...");
  AppendMenuW(bar, MF_STRING, IDM_CHANGE_GEARS_PAGE, L"Change-Gears Page ...");
  AppendMenuW(bar, MF_STRING, IDM_EXIT, L"Exit");
  return bar;
}

HWND Child(HWND parent, const char* cls, DWORD style, int id) {  // a visible child
  return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 60, 24, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

// Real child windows of a window that is never shown, so visibility is
// each control's own flag.
class Win32Harness : public Win32Controls {
 public:
  Win32Harness() : Win32Controls(MakeWindow()) {}
  ~Win32Harness() override { DestroyWindow(window()); }

 private:
  static HWND MakeWindow() {
    WNDCLASSEXW cls = {};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = DefWindowProcW;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = kClassName;
    RegisterClassExW(&cls);  // fails harmlessly the second time
    HWND window = CreateWindowExW(0, kClassName, L"test", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                                  nullptr, MakeMenuBar(), cls.hInstance, nullptr);
    Child(window, "Edit", 0, IDC_FEED_RATE);
    Child(window, "Button", 0, IDC_SOLVE_BUTTON);
    Child(window, "Static", SS_LEFT, IDC_C_LINE);
    return window;
  }
};
#endif

struct HarnessMaker {
  std::string name;
  std::function<std::unique_ptr<ControlAccess>()> make;
};
void PrintTo(const HarnessMaker& maker, std::ostream* out) { *out << maker.name; }

class ControlAccessTest : public ::testing::TestWithParam<HarnessMaker> {
 protected:
  void SetUp() override { controls_ = GetParam().make(); }
  ControlAccess& controls() { return *controls_; }
  std::unique_ptr<ControlAccess> controls_;
};

TEST_P(ControlAccessTest, TextsAreCutToBufferSizeLessOneAndReadAsUnsigned) {
  const std::tuple<const char*, std::size_t, const char*> cut[] = {
      {"0123456789AB", 11, "0123456789"}, {"1", 1, ""}};
  for (const auto& [text, size, expected] : cut) {
    controls().SetText(IDC_FEED_RATE, text);
    EXPECT_EQ(controls().GetText(IDC_FEED_RATE, size), expected) << text << " " << size;
  }
  const std::pair<const char*, std::optional<unsigned>> numbers[] = {
      {"169", 169u}, {"", std::nullopt}, {"x1", std::nullopt}};
  for (const auto& [text, expected] : numbers) {
    controls().SetText(IDC_C_LINE, text);
    EXPECT_EQ(controls().GetUnsigned(IDC_C_LINE), expected) << text;
  }
}

// The harness window is never shown: visibility is the control's own flag.
TEST_P(ControlAccessTest, EnableAndShow) {
  for (bool on : {false, true}) {
    controls().Enable(IDC_SOLVE_BUTTON, on);
    controls().Show(IDC_C_LINE, on);
    EXPECT_EQ(controls().IsEnabled(IDC_SOLVE_BUTTON), on);
    EXPECT_EQ(controls().IsVisible(IDC_C_LINE), on);
  }
}

TEST_P(ControlAccessTest, MenuItemsByCommandAndByPosition) {
  EXPECT_FALSE(controls().IsMenuCommandEnabled(IDM_PRINT));
  EXPECT_TRUE(controls().IsMenuCommandEnabled(IDM_SAVE_SETTINGS));
  controls().EnableMenuCommand(IDM_PRINT, true);
  EXPECT_TRUE(controls().IsMenuCommandEnabled(IDM_PRINT));
  ASSERT_EQ(controls().MenuBarItemCount(), 4);
  for (int i = 0; i < 4; ++i) controls().EnableMenuBarItem(i, false);
  controls().EnableMenuBarItem(2, true);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(controls().IsMenuBarItemEnabled(i), i == 2) << i;
}

std::vector<HarnessMaker> Harnesses() {
  std::vector<HarnessMaker> makers = {{"Memory", MemoryHarness}};
#ifdef _WIN32
  makers.push_back({"Win32", [] { return std::unique_ptr<ControlAccess>(new Win32Harness); }});
#endif
  return makers;
}

INSTANTIATE_TEST_SUITE_P(Implementations, ControlAccessTest, ::testing::ValuesIn(Harnesses()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace corvanta
