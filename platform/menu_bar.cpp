// The menu bar as a Qt tool bar below the chart, its menu as QMenu actions that carry their
// command numbers.
#include "platform/menu_bar.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>
#include <vector>

#include "platform/finger_size.h"
#include "platform/native_window.h"
#include "platform/png_resource.h"
#include "platform/translate.h"

namespace halvane {

namespace {

const char* const COMMAND_PROPERTY = "halvaneCommand";

QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

void SendCommand(const QPointer<NativeWindow>& owner, uint16_t command) {
  if (owner && !owner->destroyed) owner->Send(MESSAGE_COMMAND, MakeCommandParam(0, command), 0);
}

QAction* FindAction(QMenu* menu, uint16_t command) {
  if (menu == nullptr) return nullptr;
  for (QAction* action : menu->findChildren<QAction*>()) {
    if (action->property(COMMAND_PROPERTY).toInt() == command && !action->isSeparator()) {
      return action;
    }
  }
  return nullptr;
}

QIcon IconOf(BitmapId id) {
  // The compass keeps its transparent corners, which a loaded bitmap would turn black.
  if (id == BitmapId::Compass) {
    const QPixmap pixmap = QPixmap::fromImage(ReadPngResource(QStringLiteral(":/compass.png")));
    if (!pixmap.isNull()) return QIcon(pixmap);
  }
  const std::unique_ptr<Bitmap> bitmap = LoadBitmap(id);
  if (bitmap == nullptr) return {};
  QImage copy(bitmap->Width(), bitmap->Height(), QImage::Format_RGB32);
  for (int32_t y = 0; y < bitmap->Height(); ++y) {
    for (int32_t x = 0; x < bitmap->Width(); ++x) {
      copy.setPixel(x, y, 0xFF000000 | bitmap->PixelAt(x, y));
    }
  }
  return QIcon(QPixmap::fromImage(copy));
}

}  // namespace

MenuBarHandle CreateMenuBar(WindowHandle owner, uint16_t buttonCommand, std::u16string_view caption,
                            const MenuEntry* entries, size_t count) {
  QPointer<NativeWindow> window(owner);
  auto* bar = new QToolBar(owner);
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setIconSize(QSize(16, 16));
  bar->setToolButtonStyle(Qt::ToolButtonIconOnly);

  auto* top = new QMenu(ToQString(caption), bar);
  std::vector<QMenu*> open{top};
  for (size_t i = 0; i < count; ++i) {
    const MenuEntry& entry = entries[i];
    QMenu* current = open.back();
    switch (entry.kind) {
      case MenuEntryKind::Item:
      case MenuEntryKind::CheckItem: {
        QAction* action = current->addAction(QString::fromStdString(Words::Tr(entry.text)));
        action->setProperty(COMMAND_PROPERTY, entry.command);
        action->setCheckable(entry.kind == MenuEntryKind::CheckItem);
        const uint16_t command = entry.command;
        // The mark is the window's to set: undo Qt's own toggle before the command arrives.
        QObject::connect(action, &QAction::triggered, action, [window, action, command] {
          if (action->isCheckable()) action->setChecked(!action->isChecked());
          SendCommand(window, command);
        });
        break;
      }
      case MenuEntryKind::Separator: current->addSeparator(); break;
      case MenuEntryKind::Popup:
        open.push_back(current->addMenu(QString::fromStdString(Words::Tr(entry.text))));
        break;
      case MenuEntryKind::End:
        if (open.size() == 1) {
          delete bar;
          return nullptr;
        }
        open.pop_back();
        break;
    }
  }
  if (open.size() != 1) {
    delete bar;
    return nullptr;
  }

  auto* button = new QToolButton(bar);
  QString text = ToQString(caption);
  // Alt with the letter after '&', whether or not the platform underlines mnemonics.
  QKeySequence mnemonic;
  if (const qsizetype mark = text.indexOf(QLatin1Char('&')); mark >= 0 && mark + 1 < text.size()) {
    mnemonic =
        QKeySequence(Qt::AltModifier | static_cast<Qt::Key>(text[mark + 1].toUpper().unicode()));
  }
  button->setText(text.remove(QLatin1Char('&')));
  button->setMenu(top);
  button->setPopupMode(QToolButton::InstantPopup);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  button->setProperty(COMMAND_PROPERTY, buttonCommand);
  FitForFinger(*button);
  FitMenuForFinger(*top, *button);
  // The keys belong to the chart: the bar never takes the focus, and the menu opens from the
  // keyboard by F10 or the caption's mnemonic, as on desktops.
  bar->setFocusPolicy(Qt::NoFocus);
  button->setFocusPolicy(Qt::NoFocus);
  for (const QKeySequence& keys : {QKeySequence(Qt::Key_F10), mnemonic}) {
    if (keys.isEmpty()) continue;
    auto* shortcut = new QShortcut(keys, button);
    QObject::connect(shortcut, &QShortcut::activated, button, &QToolButton::showMenu);
  }
  bar->addWidget(button);
  owner->AddBottomBar(bar);
  return bar;
}

MenuHandle MenuBarDropDown(MenuBarHandle bar, uint16_t buttonCommand) {
  auto* button = qobject_cast<QToolButton*>(MenuBarButton(bar, buttonCommand));
  return button != nullptr ? button->menu() : nullptr;
}

void AddMenuBarSeparator(MenuBarHandle bar) { bar->addSeparator(); }

void AddMenuBarImageButton(MenuBarHandle bar, BitmapId image, uint16_t command,
                           std::u16string_view toolTip) {
  QPointer<NativeWindow> window(qobject_cast<NativeWindow*>(bar->parentWidget()));
  auto* button = new QToolButton(bar);
  button->setIcon(IconOf(image));
  button->setIconSize(QSize(16, 16));
  button->setToolTip(ToQString(toolTip));
  button->setProperty(COMMAND_PROPERTY, command);
  button->setFocusPolicy(Qt::NoFocus);
  FitForFinger(*button);
  QObject::connect(button, &QToolButton::clicked, button,
                   [window, command] { SendCommand(window, command); });
  bar->addWidget(button);
}

void DestroyMenuBar(MenuBarHandle bar) {
  if (bar == nullptr) return;
  if (auto* window = qobject_cast<NativeWindow*>(bar->parentWidget());
      window != nullptr && window->BottomBar() == bar) {
    window->AddBottomBar(nullptr);
    return;
  }
  bar->deleteLater();
}

void CheckMenuItem(MenuHandle menu, uint16_t command, bool checked) {
  if (QAction* action = FindAction(menu, command)) action->setChecked(checked);
}

bool IsMenuItemChecked(MenuHandle menu, uint16_t command) {
  const QAction* action = FindAction(menu, command);
  return action != nullptr && action->isChecked();
}

void EnableMenuItem(MenuHandle menu, uint16_t command, bool enabled, std::u16string_view toolTip) {
  QAction* action = FindAction(menu, command);
  if (action == nullptr) return;
  action->setEnabled(enabled);
  action->setToolTip(ToQString(toolTip));
  menu->setToolTipsVisible(true);
}

bool IsMenuItemEnabled(MenuHandle menu, uint16_t command) {
  const QAction* action = FindAction(menu, command);
  return action != nullptr && action->isEnabled();
}

std::string MenuItemToolTip(MenuHandle menu, uint16_t command) {
  const QAction* action = FindAction(menu, command);
  return action == nullptr ? std::string() : action->toolTip().toStdString();
}

bool TriggerMenuItem(MenuHandle menu, uint16_t command) {
  QAction* action = FindAction(menu, command);
  if (action == nullptr) return false;
  action->trigger();
  return true;
}

QWidget* MenuBarButton(MenuBarHandle bar, uint16_t command) {
  if (bar == nullptr) return nullptr;
  for (QToolButton* button : bar->findChildren<QToolButton*>()) {
    if (button->property(COMMAND_PROPERTY).toInt() == command) return button;
  }
  return nullptr;
}

}  // namespace halvane
