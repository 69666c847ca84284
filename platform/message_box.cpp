// The retry box over QMessageBox.
#include "platform/message_box.h"

#include <QMessageBox>
#include <QPushButton>

#include "platform/native_window.h"

namespace halvane {

MessageBoxAnswer AskRetry(WindowHandle owner, const std::string& title, const std::string& text,
                          const std::string& cancelText) {
  QMessageBox box(QMessageBox::Warning, QString::fromStdString(title), QString::fromStdString(text),
                  QMessageBox::NoButton, owner);
  box.setTextFormat(Qt::PlainText);
  QPushButton* retry = box.addButton(QMessageBox::Retry);
  QPushButton* cancel = box.addButton(QString::fromStdString(cancelText), QMessageBox::RejectRole);
  box.setDefaultButton(retry);
  box.setEscapeButton(cancel);
  box.exec();
  return box.clickedButton() == retry ? MessageBoxAnswer::Retry : MessageBoxAnswer::Cancel;
}

}  // namespace halvane
