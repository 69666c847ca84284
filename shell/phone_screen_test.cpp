// The window on a phone's screen beside a desktop's: controls a finger can hit, menus that open
// from a tap, fields for the on-screen keyboard, and night vision over all of it.
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

#include "astro/angles.h"
#include "platform/find_field.h"
#include "platform/finger_size.h"
#include "platform/tonight_list.h"
#include "platform/utf8_text.h"
#include "shell/config_dialog.h"
#include "shell/shell_test_support.h"
#include "view/view_directions.h"

namespace halvane::test_support {
namespace {

class PhoneScreenTest : public ShellTest {
 protected:
  static QScreen* Screen(const char* name) {
    for (QScreen* screen : QGuiApplication::screens()) {
      if (screen->name() == QLatin1String(name)) return screen;
    }
    return nullptr;
  }

  // Moves the window to the named screen, filling it, and lets it paint.
  static void MoveTo(const char* name) {
    QScreen* screen = Screen(name);
    ASSERT_NE(screen, nullptr) << name;
    QWidget* top = TopLevelWidget(App()->hwnd);
    top->setScreen(screen);
    top->setGeometry(screen->availableGeometry());
    Flush();
  }

  static QWidget* Bar(uint16_t command) { return MenuBarButton(App()->GetMenuBar(), command); }

  static void ExpectFingerSized(const QWidget* control, const QString& what) {
    ASSERT_NE(control, nullptr) << what.toStdString();
    EXPECT_GE(control->width(), FINGER_PIXELS) << what.toStdString();
    EXPECT_GE(control->height(), FINGER_PIXELS) << what.toStdString();
  }

  // Runs check on the dialog or the panel that command opens, then closes it.
  static void InDialog(uint16_t command, const std::function<void(QDialog&)>& check) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
      QWidgetList open = QApplication::topLevelWidgets();
      open.push_front(RunningTonightList());
      for (QWidget* widget : open) {
        auto* dialog = qobject_cast<QDialog*>(widget);
        if (dialog == nullptr || !dialog->isVisible()) continue;
        ran = true;
        Flush();
        check(*dialog);
        dialog->done(QDialog::Rejected);
      }
    });
    Choose(command);
    EXPECT_TRUE(ran) << command;
  }

  // Types text into the running find field and waits for its clear button to show.
  static QLineEdit* TypeFind(QDialog& dialog, const char* text) {
    QLineEdit* field = dialog.findChild<QLineEdit*>("findText");
    QTest::keyClicks(field, text);
    Flush();
    return field;
  }
};

TEST_F(PhoneScreenTest, EveryControlOfTheWindowIsAFingerWideOnAPhoneAndAsBeforeOnADesktop) {
  MainWindow& w = Start();
  const QSize desktopMenu = Bar(COMMAND_MENU_BUTTON)->size();
  EXPECT_LT(desktopMenu.height(), FINGER_PIXELS);
  PressCompass();
  EXPECT_EQ(w.GetNavigationBoxSize(), NAV_BOX_DESKTOP);

  MoveTo("phone");
  ExpectFingerSized(Bar(COMMAND_MENU_BUTTON), "Menu");
  ExpectFingerSized(Bar(COMMAND_NAVIGATION_BOX), "compass");
  // The box's buttons are a finger's size, and the box no bigger than they need.
  ASSERT_EQ(w.GetNavigationBoxSize(), NAV_BOX_FINGER);
  const Rect client = ClientRect(w.hwnd);
  const Point box = w.GetNavigationBoxOrigin();
  EXPECT_EQ(box.x + NAV_BOX_FINGER.width, client.right);
  EXPECT_EQ(box.y + NAV_BOX_FINGER.height, client.bottom);
  EXPECT_EQ(NAV_BOX_FINGER.pitch - 1, FINGER_PIXELS);
  // North, then South by its far corner.
  Tap(box.x + 45 + 22, box.y + 22);
  Tap(box.x + 45 + 44, box.y + 2 * 45 + 44);
  double azimuth = 0.0;
  double altitude = 0.0;
  w.GetChart().GetProjection().GetViewDirection(azimuth, altitude);
  EXPECT_NEAR(azimuth, VIEW_SOUTH.azimuth, 1e-12);

  // A tap of a finger opens the menu; its items are a finger high.
  QMenu* menu = w.GetMenu();
  bool opened = false;
  QTimer::singleShot(0, [&] {
    opened = menu->isVisible();
    for (QAction* action : menu->actions()) {
      if (action->isSeparator()) continue;
      EXPECT_GE(menu->actionGeometry(action).height(), FINGER_PIXELS);
    }
    menu->hide();
  });
  QPointingDevice* touch = QTest::createTouchDevice();
  QWidget* button = Bar(COMMAND_MENU_BUTTON);
  const QPoint centre = button->mapTo(button->window(), button->rect().center());
  QTest::touchEvent(button->window(), touch).press(0, centre);
  QTest::touchEvent(button->window(), touch).release(0, centre);
  Flush();
  EXPECT_TRUE(opened);

  MoveTo("desktop");
  EXPECT_EQ(Bar(COMMAND_MENU_BUTTON)->size(), desktopMenu);
  EXPECT_EQ(w.GetNavigationBoxSize(), NAV_BOX_DESKTOP);
}

TEST_F(PhoneScreenTest, FindAndTheDialogAreFingerSizedScrollAndSuitTheKeyboard) {
  Start();
  MoveTo("phone");

  bool found = false;
  QTimer::singleShot(0, [&] {
    QDialog* dialog = RunningFindField();
    if (dialog == nullptr) return;
    found = true;
    EXPECT_FALSE(dialog->isWindow()) << "a strip over the chart, not a window";
    QLineEdit* field = TypeFind(*dialog, "be");
    EXPECT_TRUE(field->inputMethodHints() & Qt::ImhNoPredictiveText);
    ExpectFingerSized(field, "find field");
    auto* clear = dialog->findChild<QToolButton*>("findClear");
    ExpectFingerSized(clear, "clear button");
    EXPECT_TRUE(clear->isVisible());
    QAbstractItemView* list = field->completer()->popup();
    ASSERT_GT(list->model()->rowCount(), 0);
    EXPECT_GE(list->visualRect(list->model()->index(0, 0)).height(), FINGER_PIXELS);
    QTest::mouseClick(clear, Qt::LeftButton);
    EXPECT_TRUE(field->text().isEmpty());
    EXPECT_FALSE(clear->isVisible());
    dialog->done(QDialog::Rejected);
  });
  Choose(COMMAND_FIND);
  EXPECT_TRUE(found);

  InDialog(COMMAND_TONIGHT, [](QDialog& dialog) {
    auto* list = dialog.findChild<QAbstractItemView*>("tonightList");
    ASSERT_NE(list, nullptr);
    EXPECT_GE(list->visualRect(list->model()->index(0, 0)).height(), FINGER_PIXELS);
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
      ExpectFingerSized(button, button->text());
    }
  });

  InDialog(COMMAND_CONFIGURE, [](QDialog& dialog) {
    auto* scroll = dialog.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    const QRect page = scroll->widget()->rect();
    EXPECT_LE(page.width(), scroll->viewport()->width()) << "no sideways scrolling";
    int controls = 0;
    for (QWidget* control : scroll->widget()->findChildren<QWidget*>()) {
      bool numbered = false;
      control->objectName().toInt(&numbered);
      const bool target = qobject_cast<QLineEdit*>(control) != nullptr ||
                          qobject_cast<QComboBox*>(control) != nullptr ||
                          qobject_cast<QAbstractButton*>(control) != nullptr;
      if (!numbered || !target) continue;
      ++controls;
      ExpectFingerSized(control, control->objectName());
      EXPECT_TRUE(page.contains(control->geometry())) << control->objectName().toStdString();
    }
    EXPECT_GE(controls, 20);
    // The keyboard takes half the screen: the field typed into is scrolled into what is left.
    dialog.resize(dialog.width(), dialog.height() / 2);
    Flush();
    QWidget* last = scroll->widget()->findChild<QLineEdit*>("1075");
    ASSERT_NE(last, nullptr);
    EXPECT_TRUE(last->inputMethodHints() & Qt::ImhFormattedNumbersOnly);
    last->setFocus();
    Flush();
    const QRect shown(last->mapTo(scroll->viewport(), QPoint(0, 0)), last->size());
    EXPECT_TRUE(scroll->viewport()->rect().contains(shown));
  });
}

// Whether the control shows all of its text: wrapped labels in their height, the rest in their
// width.
bool ShowsWholeText(const QWidget& control) {
  if (const auto* label = qobject_cast<const QLabel*>(&control)) {
    if (label->wordWrap()) return label->heightForWidth(label->width()) <= label->height();
    return label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width();
  }
  if (const auto* frame = qobject_cast<const QGroupBox*>(&control)) {
    return frame->fontMetrics().horizontalAdvance(frame->title()) < frame->width();
  }
  return control.sizeHint().width() <= control.width();
}

// The first start on a phone: the dialog says what it wants with nothing cut and its title in
// sight; "Use my location" without a location service answers at once; Escape keeps the
// built-in place and the chart says so.
TEST_F(PhoneScreenTest, TheFirstStartAsksWhereAndEscapeKeepsTheBuiltInPlace) {
  MainWindow& w = Start();
  ASSERT_TRUE(w.AsksForPlace());
  MoveTo("phone");
  // No system bus, so no location service.
  setenv("DBUS_SYSTEM_BUS_ADDRESS", ("unix:path=" + scratch.File("no-bus")).c_str(), 1);
  bool asked = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    Flush();
    EXPECT_FALSE(dialog->windowState() & Qt::WindowFullScreen) << "the title stays in sight";
    const auto* heading = dialog->findChild<QLabel*>(QString::number(HEADING));
    asked = heading->text() == "Where are you? Pick a city or use your location";
    QTest::mouseClick(dialog->findChild<QAbstractButton*>(QString::number(USE_MY_LOCATION)),
                      Qt::LeftButton);
    auto* message = dialog->findChild<QLabel*>(QString::number(PLACE_MESSAGE));
    EXPECT_TRUE(
        QTest::qWaitFor([message] { return message->text().startsWith("No location"); }, 5000))
        << message->text().toStdString();
    int controls = 0;
    for (QWidget* control : dialog->findChildren<QWidget*>()) {
      const bool texts = qobject_cast<QLabel*>(control) != nullptr ||
                         qobject_cast<QGroupBox*>(control) != nullptr ||
                         qobject_cast<QAbstractButton*>(control) != nullptr;
      if (!texts || !control->isVisibleTo(dialog)) continue;
      ++controls;
      EXPECT_TRUE(ShowsWholeText(*control)) << control->objectName().toStdString();
    }
    EXPECT_GE(controls, 30);
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  Choose(COMMAND_CONFIGURE);
  unsetenv("DBUS_SYSTEM_BUS_ADDRESS");
  EXPECT_TRUE(asked);
  EXPECT_EQ(Utf16ToUtf8(w.CaptionText())
                .rfind("Place: Fr\u00FDdek-M\u00EDstek (change in Settings)  ", 0),
            0u);
  EXPECT_DOUBLE_EQ(w.GetObserver().GetLatitude(), DmsToDegrees(49, 41, 49));
}

// The longest languages fit the settings on a phone: a label too narrow for its words takes a
// smaller font instead of losing their end.
TEST_F(PhoneScreenTest, TheSettingsShowEveryWordInTheLongestLanguages) {
  setenv("HALVANE_TRANSLATIONS", BuildPath("translations").c_str(), 1);
  const char* const before = std::getenv("LC_ALL");
  const std::string kept = before != nullptr ? before : "";
  for (const char* language : {"de", "fi", "ru"}) {
    setenv("LC_ALL", language, 1);
    Start();
    MoveTo("phone");
    InDialog(COMMAND_CONFIGURE, [language](QDialog& dialog) {
      const auto* heading = dialog.findChild<QLabel*>(QString::number(HEADING));
      EXPECT_FALSE(heading->text().startsWith("Where")) << language;
      for (QWidget* control : dialog.findChildren<QWidget*>()) {
        const bool texts = qobject_cast<QLabel*>(control) != nullptr ||
                           qobject_cast<QGroupBox*>(control) != nullptr ||
                           qobject_cast<QAbstractButton*>(control) != nullptr;
        if (!texts || !control->isVisibleTo(&dialog)) continue;
        EXPECT_TRUE(ShowsWholeText(*control))
            << language << " " << control->objectName().toStdString();
      }
    });
    Stop();
  }
  if (before != nullptr) {
    setenv("LC_ALL", kept.c_str(), 1);
  } else {
    unsetenv("LC_ALL");
  }
  unsetenv("HALVANE_TRANSLATIONS");
}

TEST_F(PhoneScreenTest, NightVisionLeavesOnlyDimRedsOnThePhone) {
  MainWindow& w = Start();
  MoveTo("phone");
  PressCompass();
  QTest::keyClick(Chart(), Qt::Key_R);
  Flush();
  ExpectRedOnly(TopLevelWidget(w.hwnd), "window");
  // The box is drawn in dim reds, no block of full red.
  const Point box = w.GetNavigationBoxOrigin();
  const QImage shown = Chart()->grab().toImage();
  int brightest = 0;
  for (int y = box.y; y < box.y + NAV_BOX_FINGER.height; ++y) {
    for (int x = box.x; x < box.x + NAV_BOX_FINGER.width; ++x) {
      brightest = std::max(brightest, qRed(shown.pixel(x, y)));
    }
  }
  EXPECT_GT(brightest, 0x60);
  EXPECT_LE(brightest, 0xB0);

  bool found = false;
  QTimer::singleShot(0, [&] {
    QDialog* dialog = RunningFindField();
    if (dialog == nullptr) return;
    found = true;
    QLineEdit* field = TypeFind(*dialog, "be");
    ExpectRedOnly(dialog, "find field and its clear button");
    ExpectRedOnly(field->completer()->popup(), "completions");
    QToolTip::showText(dialog->mapToGlobal(QPoint(0, 0)), "tip", dialog);
    for (QWidget* tip : QApplication::topLevelWidgets()) {
      if (tip->isVisible() && tip->inherits("QTipLabel")) ExpectRedOnly(tip, "tool tip");
    }
    QToolTip::hideText();
    dialog->done(QDialog::Rejected);
  });
  Choose(COMMAND_FIND);
  EXPECT_TRUE(found);

  InDialog(COMMAND_CONFIGURE, [](QDialog& dialog) {
    auto* scroll = dialog.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
    ExpectRedOnly(&dialog, "dialog with its scroll bar");
  });
}

}  // namespace
}  // namespace halvane::test_support
