// Words::Tr through QCoreApplication::translate.
#include "platform/translation.h"

#include <QCoreApplication>
#include <QString>
#include <string>

#include "platform/translate.h"

namespace halvane {

namespace {

std::string TranslateWithQt(const char* source, const char* disambiguation, int n) {
  return QCoreApplication::translate("Words", source, disambiguation, n).toStdString();
}

}  // namespace

void UseQtTranslations() { Words::Install(TranslateWithQt); }

}  // namespace halvane
