// The Window base class: the create message reaches the right object before Create returns,
// other windows' messages are ignored, unlisted ones get default processing, and the base
// paint is gray.
#include "shell/window.h"

#include "shell/shell_test_support.h"

namespace halvane::test_support {
namespace {

class Probe : public Window {
 public:
  void OnCreate(intptr_t) override { handleAtCreate = hwnd; }
  void OnKeyDown(uintptr_t key, intptr_t) override { keys.push_back(key); }
  WindowHandle handleAtCreate = nullptr;
  std::vector<uintptr_t> keys;
};

class WindowTest : public ShellTest {};

TEST_F(WindowTest, DispatchReachesTheRightHandlerOrTheDefault) {
  Probe p;
  p.Create("ProbeClass", "Probe");
  ASSERT_NE(p.hwnd, nullptr);
  EXPECT_EQ(p.handleAtCreate, p.hwnd);

  // The base paint: the client area gray.
  p.Show(SHOW_NORMAL);
  EXPECT_EQ(ScreenPixel(p.hwnd, 0, 0), MakeColor(128, 128, 128));
  EXPECT_EQ(ScreenPixel(p.hwnd, 239, 293), MakeColor(128, 128, 128));

  // A message for another window handle is not this window's business.
  SendWindowMessage(p.hwnd, MESSAGE_KEY_DOWN, KEY_LEFT, 1);
  EXPECT_EQ(p.Dispatch(reinterpret_cast<WindowHandle>(&p), MESSAGE_KEY_DOWN, KEY_UP, 1), 0);
  EXPECT_EQ(p.keys, std::vector<uintptr_t>{KEY_LEFT});

  // A size message is unlisted: default processing, which answers 0.
  EXPECT_EQ(SendWindowMessage(p.hwnd, MESSAGE_SIZE, 0, 0), 0);

  // The base destroy posts the quit message, found by the next loop at once.
  DestroyAppWindow(p.hwnd);
  EXPECT_EQ(RunMessageLoop(), 0);
  Flush();
}

}  // namespace
}  // namespace halvane::test_support
