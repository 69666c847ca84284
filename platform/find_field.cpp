// The find field on QLineEdit and QCompleter; the completer shows the caller's list as it is.
#include "platform/find_field.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStringListModel>
#include <QStyle>
#include <QToolButton>
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

void AddClearButton(QDialog& dialog, QLineEdit& field, QBoxLayout& layout) {
  auto* clear = new QToolButton(&dialog);
  clear->setObjectName(QStringLiteral("findClear"));
  clear->setIcon(dialog.style()->standardIcon(QStyle::SP_LineEditClearButton));
  clear->setAutoRaise(true);
  clear->setFocusPolicy(Qt::NoFocus);
  clear->setVisible(false);
  FollowNightVision(*clear);
  FitForFinger(*clear);
  QObject::connect(&field, &QLineEdit::textChanged, clear,
                   [clear](const QString& text) { clear->setVisible(!text.isEmpty()); });
  QObject::connect(clear, &QToolButton::clicked, &field, [&field] {
    field.clear();
    field.setFocus();
  });
  layout.addWidget(clear);
}

}  // namespace

std::u16string RunFindField(WindowHandle owner, std::u16string_view title,
                            const CompletionSource& complete, const FindAcceptor& accept,
                            const FindSuggestion& suggest) {
  QDialog dialog(owner);
  dialog.setWindowTitle(QString::fromUtf16(title.data(), static_cast<qsizetype>(title.size())));
  dialog.setModal(true);
  // The field's row, and under it the word when nothing was found, so that a suggestion is
  // never cut on a phone.
  auto* column = new QVBoxLayout(&dialog);
  auto* layout = new QHBoxLayout();
  column->addLayout(layout);
  auto* field = new QLineEdit(&dialog);
  field->setObjectName(QStringLiteral("findText"));
  // Names are not words: a keyboard's guesses would hold back the letters typed.
  field->setInputMethodHints(Qt::ImhNoPredictiveText);
  FollowNightVision(*field);
  FitForFinger(*field);
  layout->addWidget(field);
  if (IsOnNarrowScreen(dialog)) {
    // The field's own clear button is too small for a finger.
    AddClearButton(dialog, *field, *layout);
  } else {
    field->setClearButtonEnabled(true);
  }
  auto* notFound = new QLabel(QStringLiteral("not found"), &dialog);
  notFound->setObjectName(QStringLiteral("findNotFound"));
  notFound->hide();
  notFound->setWordWrap(true);
  column->addWidget(notFound);

  auto* model = new QStringListModel(&dialog);
  auto* completer = new QCompleter(model, &dialog);
  // The source has ranked and filtered already.
  completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  completer->setMaxVisibleItems(8);
  field->setCompleter(completer);
  FitRowsForFinger(*completer->popup(), *field);

  QString chosen;
  QString meant;  // what the text refused last may have meant
  const auto tryText = [&](const QString& text) {
    if (!chosen.isEmpty()) return;  // Enter after a chosen completion
    if (accept(text.toStdU16String())) {
      chosen = text;
      dialog.accept();
      return;
    }
    meant = suggest ? QString::fromStdU16String(suggest(text.toStdU16String())) : QString();
    notFound->setText(
        meant.isEmpty()
            ? QStringLiteral("not found")
            : QStringLiteral("Did you mean <a href=\"#\">%1</a>?").arg(meant.toHtmlEscaped()));
    notFound->show();
  };
  notFound->setTextFormat(Qt::RichText);
  QObject::connect(notFound, &QLabel::linkActivated, &dialog, [&] { tryText(meant); });
  QObject::connect(field, &QLineEdit::textEdited, &dialog, [&](const QString& text) {
    meant.clear();
    notFound->hide();
    model->setStringList(ToStringList(complete(text.toStdU16String())));
    completer->complete();
  });
  QObject::connect(completer, qOverload<const QString&>(&QCompleter::activated), &dialog, tryText);
  QObject::connect(field, &QLineEdit::returnPressed, &dialog,
                   [&] { tryText(meant.isEmpty() ? field->text() : meant); });
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
