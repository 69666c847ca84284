// The Qt part of the program's languages: Words::Tr answered from the translations that Qt
// has loaded.
#pragma once

namespace halvane {

// Makes Words::Tr ask Qt's installed translators (context "Words"); English while none is.
void UseQtTranslations();

}  // namespace halvane
