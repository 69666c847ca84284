// The window system seen from a window procedure: the key path, the menu bar, dialog
// integers and the single-instance socket. Paints, the stylus and closing are checked through
// the app in shell/.
#include "platform/window_system.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLocalSocket>
#include <QStyleOption>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/deferred_icon_style.h"
#include "platform/dialog.h"
#include "platform/menu_bar.h"
#include "platform/single_instance.h"
#include "tests/support/scratch_folder.h"

namespace halvane {
namespace {

struct Message {
  uint32_t message;
  uintptr_t wParam;
  intptr_t lParam;
};

std::vector<Message>& Log() {
  static std::vector<Message> log;
  return log;
}

// Logs everything and leaves it all to default processing.
intptr_t Recorder(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  Log().push_back({message, wParam, lParam});
  return DefaultWindowProcedure(window, message, wParam, lParam);
}

std::vector<uint32_t> Kinds() {
  std::vector<uint32_t> kinds;
  for (const Message& m : Log()) kinds.push_back(m.message);
  return kinds;
}

void Flush() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Widgets need a QApplication, made before any test of this program can make a plainer one.
class WidgetApplication : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (QCoreApplication::instance() == nullptr) new QApplication(argc, argv);
  }
};
const auto* const WIDGET_APPLICATION = ::testing::AddGlobalTestEnvironment(new WidgetApplication);

class WindowSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Log().clear();
    window = CreateAppWindow("TestClass", "Test window", Recorder, 100, 80);
  }
  void TearDown() override {
    DestroyAppWindow(window);
    Flush();
  }
  WindowHandle window = nullptr;
};

// Read when first drawn, a standard icon still has the base style's pictures, for the writing
// direction it was asked for.
TEST(DeferredIconStyle, IconsDrawnLaterAreTheBaseStylesOwn) {
  DeferredIconStyle style;
  QStyleOption rightToLeft;
  rightToLeft.direction = Qt::RightToLeft;
  const QStyleOption* const options[] = {nullptr, &rightToLeft};
  for (const QStyle::StandardPixmap which :
       {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
        QStyle::SP_MessageBoxWarning}) {
    for (const QStyleOption* option : options) {
      const QIcon deferred = style.standardIcon(which, option);
      const QIcon base = style.baseStyle()->standardIcon(which, option);
      ASSERT_FALSE(deferred.isNull()) << which;
      EXPECT_EQ(deferred.pixmap(16).toImage(), base.pixmap(16).toImage()) << which;
      EXPECT_EQ(deferred.actualSize(QSize(64, 64)), base.actualSize(QSize(64, 64))) << which;
    }
  }
}

TEST_F(WindowSystemTest, KeysBecomeKeyDownThenCharacterAndAltF4BecomesCommand18) {
  ShowAppWindow(window, SHOW_NORMAL);
  QWidget* chart = ChartWidget(window);
  Log().clear();
  QTest::keyClicks(chart, "q+");
  ASSERT_EQ(Kinds(), (std::vector<uint32_t>{MESSAGE_KEY_DOWN, MESSAGE_CHAR, MESSAGE_KEY_DOWN,
                                            MESSAGE_CHAR}));
  EXPECT_EQ(Log()[0].wParam, uintptr_t{'Q'});
  EXPECT_EQ(Log()[1].wParam, uintptr_t{'q'});
  EXPECT_EQ(Log()[3].wParam, uintptr_t{'+'});

  Log().clear();
  QTest::keyClick(chart, Qt::Key_F4, Qt::AltModifier);
  ASSERT_EQ(Kinds(), std::vector<uint32_t>{MESSAGE_COMMAND});
  EXPECT_EQ(Log()[0].wParam & 0xFFFF, COMMAND_CLOSE_ACCELERATOR);
}

TEST_F(WindowSystemTest, MenuCommandsArriveButOnlyTheWindowSetsCheckMarks) {
  using K = MenuEntryKind;
  const MenuEntry entries[] = {
      {K::Popup, 0, "View"}, {K::CheckItem, 500, "Grid"},
      {K::Separator, 0, ""}, {K::Item, 501, "Zoom"},
      {K::End, 0, ""},       {K::Item, 502, "E&xit"},
  };
  MenuBarHandle bar = CreateMenuBar(window, 400, u"Menu", entries, std::size(entries));
  ASSERT_NE(bar, nullptr);
  MenuHandle menu = MenuBarDropDown(bar, 400);
  ASSERT_NE(menu, nullptr);
  AddMenuBarSeparator(bar);
  AddMenuBarImageButton(bar, BitmapId::Compass, 503, u"Tip");
  EXPECT_EQ(MenuBarButton(bar, 503)->toolTip(), "Tip");

  Log().clear();
  EXPECT_TRUE(TriggerMenuItem(menu, 500));
  EXPECT_FALSE(IsMenuItemChecked(menu, 500));
  CheckMenuItem(menu, 500, true);
  EXPECT_TRUE(IsMenuItemChecked(menu, 500));
  EXPECT_TRUE(TriggerMenuItem(menu, 500));
  EXPECT_TRUE(IsMenuItemChecked(menu, 500));
  EXPECT_TRUE(TriggerMenuItem(menu, 502));
  QTest::mouseClick(MenuBarButton(bar, 503), Qt::LeftButton);
  EXPECT_FALSE(TriggerMenuItem(menu, 999));
  ASSERT_EQ(Log().size(), 4u);
  EXPECT_EQ(Log()[0].wParam, 500u);
  EXPECT_EQ(Log()[2].wParam, 502u);
  EXPECT_EQ(Log()[3].wParam, 503u);

  const MenuEntry unbalanced[] = {{K::Popup, 0, "View"}, {K::Item, 1, "x"}};
  EXPECT_EQ(CreateMenuBar(window, 400, u"Menu", unbalanced, 2), nullptr);
  const MenuEntry extraEnd[] = {{K::End, 0, ""}};
  EXPECT_EQ(CreateMenuBar(window, 400, u"Menu", extraEnd, 1), nullptr);
}

TEST_F(WindowSystemTest, AnUnknownDialogTemplateShowsNothing) {
  EXPECT_EQ(RunDialog(999, window, nullptr), -1);
}

TEST_F(WindowSystemTest, TheOwnerOfTheSessionAnswersKnocksAndLeavesNothingBehind) {
  const test_support::ScratchFolder scratch;
  const std::string runtime = scratch.path.string();
  const char* oldRuntime = std::getenv("XDG_RUNTIME_DIR");
  const std::string savedRuntime = oldRuntime != nullptr ? oldRuntime : "";
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  SessionClaim claim("platform-test");
  EXPECT_EQ(InstanceFolder(), runtime);
  ASSERT_EQ(claim.Claim("TestClass", "Single"), InstanceClaim::Owner);
  const std::string base = std::string(runtime) + "/TestClass-Single-offscreen-platform-test";
  EXPECT_TRUE(std::filesystem::exists(base + ".lock"));
  WindowHandle first = CreateAppWindow("TestClass", "Single", Recorder, 50, 50);
  claim.ListenForLaterInstances(first);
  // A later start's knock, as it arrives.
  QLocalSocket knock;
  knock.connectToServer(QString::fromStdString(base + ".socket"));
  ASSERT_TRUE(knock.waitForConnected(1000));
  knock.write("foreground\n");
  knock.waitForBytesWritten(1000);
  for (int i = 0; i < 100 && ForegroundRequests(first) == 0; ++i) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  EXPECT_EQ(ForegroundRequests(first), 1);
  DestroyAppWindow(first);
  Flush();
  claim.Release();
  EXPECT_TRUE(std::filesystem::is_empty(runtime));
  // The next start takes the session over again.
  EXPECT_EQ(SessionClaim("platform-test").Claim("TestClass", "Single"), InstanceClaim::Owner);
  if (oldRuntime != nullptr) {
    setenv("XDG_RUNTIME_DIR", savedRuntime.c_str(), 1);
  } else {
    unsetenv("XDG_RUNTIME_DIR");
  }
}

}  // namespace
}  // namespace halvane
