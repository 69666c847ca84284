// The find field on QLineEdit and QCompleter; the completer shows the caller's list as it is.
#include "platform/find_field.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDialog>
#include <QLineEdit>
#include <QStringListModel>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/finger_size.h"
#include "platform/native_window.h"
#include "platform/night_vision.h"

namespace halvane {

namespace {

QDialog*& Running() {
  static QDialog* dialog = nullptr;
  return dialog;
}

QStringList ToStringList(const std::vector<std::u16string>& texts) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(texts.size()));
  for (const std::u16string& text : texts) {
    list.push_back(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
  }
  return list;
}

}  // namespace

std::u16string RunFindField(WindowHandle owner, std::u16string_view title,
                            const CompletionSource& complete) {
  QDialog dialog(owner);
  dialog.setWindowTitle(QString::fromUtf16(title.data(), static_cast<qsizetype>(title.size())));
  dialog.setModal(true);
  auto* layout = new QVBoxLayout(&dialog);
  auto* field = new QLineEdit(&dialog);
  field->setObjectName(QStringLiteral("findText"));
  field->setClearButtonEnabled(true);
  FollowNightVision(*field);
  FitForFinger(*field);
  layout->addWidget(field);

  auto* model = new QStringListModel(&dialog);
  auto* completer = new QCompleter(model, &dialog);
  // The source has ranked and filtered already.
  completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  completer->setMaxVisibleItems(8);
  field->setCompleter(completer);

  QString chosen;
  QObject::connect(field, &QLineEdit::textEdited, &dialog, [&](const QString& text) {
    model->setStringList(ToStringList(complete(text.toStdU16String())));
    completer->complete();
  });
  QObject::connect(completer, qOverload<const QString&>(&QCompleter::activated), &dialog,
                   [&](const QString& text) {
                     chosen = text;
                     dialog.accept();
                   });
  QObject::connect(field, &QLineEdit::returnPressed, &dialog, [&] {
    if (chosen.isEmpty()) chosen = field->text();
    dialog.accept();
  });
  if (owner != nullptr) {
    dialog.setMinimumWidth(std::min(owner->width(), 240));
  }
  Running() = &dialog;
  const int result = dialog.exec();
  Running() = nullptr;
  return result == QDialog::Accepted ? chosen.toStdU16String() : std::u16string();
}

QDialog* RunningFindField() { return Running(); }

}  // namespace halvane
