// The Qt part of the program's languages: Words::Tr answered from the translations that Qt
// has loaded, and the language chosen at start.
#pragma once

#include <string>

namespace halvane {

// Makes Words::Tr ask Qt's installed translators (context "Words"); English while none is.
void UseQtTranslations();

// Speaks the language code names ("de", "pt_BR"; "en" for the English source), or with an
// empty code the first language of the environment (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
// that has a translation: loads its translation and Qt's own, makes QLocale's default the
// language's (dates, times and numbers of the panels) and, with a GUI application, lays the
// widgets out right to left for Arabic and Hebrew. A code without a translation gives
// English, whose counted texts take their singular from halvane_en.qm. Returns the code
// spoken, empty for English. Call before the window is made.
std::string UseLanguage(const std::string& code);

}  // namespace halvane
