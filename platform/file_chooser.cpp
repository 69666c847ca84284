#include "platform/file_chooser.h"

#include <QFileDialog>

#include "platform/native_window.h"

namespace halvane {

std::string ChooseFileToOpen(WindowHandle owner, const std::string& title) {
  return QFileDialog::getOpenFileName(owner, QString::fromStdString(title)).toStdString();
}

}  // namespace halvane
