// The Tonight list on QListWidget: one activation (a tap, a double click or Enter) chooses. The
// panel is a dialog made a child widget of the window, so Escape and done() close it.
#include "platform/tonight_list.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/chart_overlay.h"
#include "platform/finger_size.h"
#include "platform/native_window.h"

namespace halvane {
namespace {

const char* const PANEL_NAME = "tonightPanel";

QString ToQString(const std::u16string& text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QDialog* Panel(WindowHandle owner) {
  if (owner == nullptr) return nullptr;
  return owner->findChild<QDialog*>(QLatin1String(PANEL_NAME), Qt::FindDirectChildrenOnly);
}

}  // namespace

void ShowTonightList(WindowHandle owner, const std::u16string& title,
                     const std::vector<std::u16string>& lines,
                     const std::function<void(int)>& chosen) {
  if (owner == nullptr) return;
  if (QDialog* open = Panel(owner)) {
    // Gone before the new one is looked for.
    open->setObjectName(QString());
    open->done(QDialog::Rejected);
  }
  auto* panel = new QDialog(owner);
  panel->setObjectName(QLatin1String(PANEL_NAME));
  panel->setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(panel);
  auto* heading = new QLabel(ToQString(title), panel);
  heading->setObjectName(QStringLiteral("tonightTitle"));
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  heading->setWordWrap(true);
  layout->addWidget(heading);
  auto* list = new QListWidget(panel);
  list->setObjectName(QStringLiteral("tonightList"));
  list->setWordWrap(true);
  for (const std::u16string& line : lines) list->addItem(ToQString(line));
  FitRowsForFinger(*list, *owner);
  layout->addWidget(list, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, panel);
  FitForFinger(*buttons->button(QDialogButtonBox::Close));
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::rejected, panel, &QDialog::reject);
  // A single tap chooses on a touch screen, where a double tap is awkward.
  const auto choose = [panel, list](QListWidgetItem* item) {
    panel->setProperty("chosenRow", list->row(item));
    panel->accept();
  };
  QObject::connect(list, &QListWidget::itemClicked, panel, choose);
  QObject::connect(list, &QListWidget::itemActivated, panel, choose);
  QPointer<NativeWindow> window(owner);
  QObject::connect(panel, &QDialog::finished, panel, [panel, window, chosen](int result) {
    panel->deleteLater();
    if (window == nullptr || window->destroyed) return;
    window->chart->setFocus();
    if (result == QDialog::Accepted) chosen(panel->property("chosenRow").toInt());
  });
  ShowOverChart(owner, *panel, OverlayPlace::Side);
  list->setCurrentRow(0);
  list->setFocus();
}

QDialog* RunningTonightList() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    QDialog* panel = Panel(qobject_cast<NativeWindow*>(window));
    if (panel != nullptr && panel->isVisible()) return panel;
  }
  return nullptr;
}

}  // namespace halvane
