// The window's size and place: a comfortable first size on a desktop screen, and the size,
// place and maximised state of the last run; Find, Tonight and the panel inside it.
#include <QApplication>
#include <QCompleter>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>

#include "platform/find_field.h"
#include "platform/info_panel.h"
#include "platform/tonight_list.h"
#include "shell/shell_test_support.h"

namespace halvane::test_support {
namespace {

class WindowGeometryTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    options.keepCreatedSize = false;
  }
};

// The windows shown besides the main one; popups (menus, completions) open and close by
// themselves and are not counted.
int OtherWindows(const QWidget* main) {
  int others = 0;
  for (const QWidget* widget : QApplication::topLevelWidgets()) {
    const Qt::WindowType type = widget->windowType();
    if (widget->isVisible() && type != Qt::Popup && type != Qt::ToolTip && widget != main) {
      ++others;
    }
  }
  return others;
}

// A desktop's first window is a landscape one, showing the navigation box and a find field;
// Find, Tonight and the panel open inside it, and night vision reaches them there.
TEST_F(WindowGeometryTest, TheFirstWindowIsLandscapeAndHoldsFindTonightAndThePanel) {
  for (const char* name : {"Labels.dat", "Names.dat"}) {
    std::filesystem::copy_file(std::filesystem::path(BuildPath(name)), folder / name);
  }
  MainWindow& w = Start();
  QWidget* window = TopLevelWidget(w.hwnd);
  const QRect screen = window->screen()->availableGeometry();
  ASSERT_EQ(screen.size(), QSize(1280, 800)) << "the offscreen desktop";
  const Rect chart = ClientRect(w.hwnd);
  EXPECT_NEAR(chart.Height(), screen.height() * 2 / 3, 2);
  EXPECT_NEAR(chart.Width(), chart.Height() * screen.width() / screen.height(), 2);
  EXPECT_FALSE(window->isMaximized());
  EXPECT_TRUE(w.IsNavigationBoxShown());

  // Find's field is in the bar: F puts the cursor there, Enter finds, the keys go back.
  auto* field = window->findChild<QLineEdit*>("barFindText");
  ASSERT_NE(field, nullptr);
  EXPECT_TRUE(field->isVisible());
  QTest::keyClick(Chart(), Qt::Key_F);
  EXPECT_EQ(window->focusWidget(), field);
  QTest::keyClicks(field, "jupi");
  QTest::keyClick(field->completer()->popup(), Qt::Key_Down);
  QTest::keyClick(field->completer()->popup(), Qt::Key_Return);
  Flush();
  EXPECT_EQ(std::u16string(w.GetLabel().name), u"Jupiter");
  EXPECT_TRUE(IsInfoPanelShown(w.hwnd));
  EXPECT_EQ(window->focusWidget(), Chart()) << "the keys are the chart's again";
  EXPECT_EQ(RunningFindField(), nullptr);

  QTest::keyClick(Chart(), Qt::Key_J);
  Flush();
  QDialog* tonight = RunningTonightList();
  ASSERT_NE(tonight, nullptr);
  EXPECT_FALSE(tonight->isWindow());
  EXPECT_TRUE(QRect(QPoint(0, 0), Chart()->size()).contains(tonight->geometry()));
  EXPECT_EQ(OtherWindows(window), 0);
  QTest::keyClick(Chart(), Qt::Key_R);
  Flush();
  ExpectRedOnly(window, "the window with Tonight, the panel and the find field");
  QTest::keyClick(tonight, Qt::Key_Escape);
  Flush();
  EXPECT_EQ(RunningTonightList(), nullptr);
  QTest::keyClick(Chart(), Qt::Key_R);
}

TEST_F(WindowGeometryTest, OpensThenWhereTheLastRunClosed) {
  MainWindow& first = Start();
  QWidget* window = TopLevelWidget(first.hwnd);

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
