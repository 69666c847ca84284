// The Tonight list on QListWidget: one activation (a tap, a double click or Enter) chooses.
#include "platform/tonight_list.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/native_window.h"

namespace halvane {
namespace {

QDialog*& Running() {
  static QDialog* dialog = nullptr;
  return dialog;
}

}  // namespace

int RunTonightList(WindowHandle owner, const std::u16string& title,
                   const std::vector<std::u16string>& lines) {
  QDialog dialog(owner);
  dialog.setWindowTitle(QString::fromUtf16(title.data(), static_cast<qsizetype>(title.size())));
  dialog.setModal(true);
  auto* layout = new QVBoxLayout(&dialog);
  auto* list = new QListWidget(&dialog);
  list->setObjectName(QStringLiteral("tonightList"));
  list->setWordWrap(true);
  for (const std::u16string& line : lines) {
    list->addItem(QString::fromUtf16(line.data(), static_cast<qsizetype>(line.size())));
  }
  layout->addWidget(list);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  int chosen = -1;
  // A single tap chooses on a touch screen, where a double tap is awkward.
  const auto choose = [&](QListWidgetItem* item) {
    chosen = list->row(item);
    dialog.accept();
  };
  QObject::connect(list, &QListWidget::itemClicked, &dialog, choose);
  QObject::connect(list, &QListWidget::itemActivated, &dialog, choose);
  if (owner != nullptr) {
    dialog.resize(std::min(owner->width(), 520), std::min(owner->height(), 480));
  }
  list->setCurrentRow(0);
  Running() = &dialog;
  const int result = dialog.exec();
  Running() = nullptr;
  return result == QDialog::Accepted ? chosen : -1;
}

QDialog* RunningTonightList() { return Running(); }

}  // namespace halvane
