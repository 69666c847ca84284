// Words::Tr through QCoreApplication::translate, and the translators of the chosen language.
#include "platform/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QTime>
#include <QTranslator>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/language.h"
#include "platform/translate.h"

namespace halvane {

namespace {

const char* const TRANSLATOR_NAME = "halvaneTranslator";

std::string TranslateWithQt(const char* source, const char* disambiguation, int n) {
  return QCoreApplication::translate("Words", source, disambiguation, n).toStdString();
}

// Where the .qm files lie: HALVANE_TRANSLATIONS's folder first (a translator's own file),
// then beside the programs in the build, under share/ when installed.
std::vector<QString> TranslationFolders() {
  const QString programs = QString::fromStdString(ExecutableDirectory());
  std::vector<QString> folders = {programs + QStringLiteral("translations"),
                                  programs + QStringLiteral("../share/halvane/translations")};
  const QString own = qEnvironmentVariable("HALVANE_TRANSLATIONS");
  if (!own.isEmpty()) folders.insert(folders.begin(), own);
  return folders;
}

QString TranslationFile(const std::string& code) {
  const QString name = QStringLiteral("halvane_%1.qm").arg(QString::fromStdString(code));
  for (const QString& folder : TranslationFolders()) {
    if (QDir(folder).exists(name)) return QDir(folder).filePath(name);
  }
  return {};
}

void Install(const QString& file) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  translator->setObjectName(QLatin1String(TRANSLATOR_NAME));
  if (translator->load(file)) {
    QCoreApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

std::string LocaleNumber(double value, int decimals) {
  return QLocale().toString(value, 'f', decimals).toStdString();
}

std::string LocaleClock(int hour, int minute) {
  return QLocale().toString(QTime(hour, minute), QLocale::ShortFormat).toStdString();
}

}  // namespace

void UseQtTranslations() { Words::Install(TranslateWithQt); }

std::string UseLanguage(const std::string& code) {
  UseQtTranslations();
  // A language chosen before is given up first.
  for (QTranslator* old : QCoreApplication::instance()->findChildren<QTranslator*>(
           QLatin1String(TRANSLATOR_NAME), Qt::FindDirectChildrenOnly)) {
    QCoreApplication::removeTranslator(old);
    delete old;
  }
  std::vector<std::string> available;
  for (const OfferedLanguage& language : OfferedLanguages()) {
    if (!TranslationFile(language.code).isEmpty()) available.emplace_back(language.code);
  }
  const std::vector<std::string> wanted =
      code.empty() ? LanguagesFromEnvironment(std::getenv) : std::vector<std::string>{code};
  const std::string chosen = ChooseLanguage(wanted, available);
  QLocale::setDefault(chosen.empty() ? QLocale::system() : QLocale(QString::fromStdString(chosen)));
  // English keeps the forms machines and the tests read: 20:15 and 1.5.
  Words::InstallWriting(chosen.empty()
                            ? Words::Writing{}
                            : Words::Writing{LocaleNumber, LocaleClock, IsRightToLeft(chosen)});
  if (chosen.empty()) {
    // The English source's plurals: "1 satellite".
    Install(TranslationFile("en"));
  } else {
    Install(TranslationFile(chosen));
    Install(QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                .filePath(QStringLiteral("qtbase_%1.qm").arg(QString::fromStdString(chosen))));
  }
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
    QGuiApplication::setLayoutDirection(IsRightToLeft(chosen) ? Qt::RightToLeft : Qt::LeftToRight);
  }
  return chosen;
}

}  // namespace halvane
