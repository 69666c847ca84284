// The window's size and place: a comfortable first size on a desktop screen, and the size,
// place and maximised state of the last run.
#include "shell/shell_test_support.h"

namespace halvane::test_support {
namespace {

class WindowGeometryTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    KeepCreatedSizeForTesting(false);
  }
  void TearDown() override {
    ShellTest::TearDown();
    KeepCreatedSizeForTesting(true);
  }
};

TEST_F(WindowGeometryTest, OpensComfortablyThenWhereTheLastRunClosed) {
  MainWindow& first = Start();
  QWidget* window = TopLevelWidget(first.hwnd);
  const QRect screen = window->screen()->availableGeometry();
  ASSERT_GE(screen.width(), PHONE_SCREEN_WIDTH) << "the offscreen screen is a desktop's";
  const Rect chart = ClientRect(first.hwnd);
  EXPECT_NEAR(chart.Height(), screen.height() * 2 / 3, 2);
  EXPECT_NEAR(chart.Width(), chart.Height() * 240 / 294, 2);
  EXPECT_FALSE(window->isMaximized());

  window->setGeometry(40, 50, 500, 420);
  Flush();
  Stop();
  MainWindow& second = Start();
  window = TopLevelWidget(second.hwnd);
  EXPECT_EQ(window->geometry(), QRect(40, 50, 500, 420));
  EXPECT_EQ(ClientRect(second.hwnd).Width(), 500);

  window->showMaximized();
  Flush();
  Stop();
  MainWindow& third = Start();
  window = TopLevelWidget(third.hwnd);
  EXPECT_TRUE(window->isMaximized());
  window->showNormal();
  Flush();
  EXPECT_EQ(window->geometry(), QRect(40, 50, 500, 420)) << "the normal size is kept";
  Stop();
  ConfigExtension saved;
  ASSERT_TRUE(LoadConfigExtension(ConfigPath(), saved));
  EXPECT_FALSE(saved.window.maximised);
  EXPECT_EQ(saved.window.width, 500);
}

}  // namespace
}  // namespace halvane::test_support
