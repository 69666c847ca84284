# The interface's words in other languages. Every marked text (platform/translate.h) is
# collected by lupdate into i18n/halvane_<language>.ts (`cmake --build build --target
# update_translations`, which the translators' files then fill); lrelease makes the .qm files
# that the programs load, in translations/ beside them and in share/halvane/translations/.
set(HALVANE_LANGUAGES de fr es it pt_BR cs pl uk ru nl sv fi ar he)

# Qt's own folder first: another lupdate on the path may be Qt 5's.
find_program(HALVANE_LUPDATE NAMES lupdate HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS}
  ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin NO_DEFAULT_PATH)
find_program(HALVANE_LRELEASE NAMES lrelease HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS}
  ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin NO_DEFAULT_PATH)
if(NOT HALVANE_LUPDATE OR NOT HALVANE_LRELEASE)
  message(FATAL_ERROR "lupdate and lrelease of Qt 6 are needed (Debian: qt6-l10n-tools)")
endif()

# The sources lupdate reads: the programs' code, without tests and without the marking
# functions themselves (lupdate would take their class for a context of its own).
file(GLOB HALVANE_TRANSLATED_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/platform/*.cpp ${CMAKE_SOURCE_DIR}/view/*.cpp
  ${CMAKE_SOURCE_DIR}/catalog/*.cpp ${CMAKE_SOURCE_DIR}/chart/*.cpp
  ${CMAKE_SOURCE_DIR}/shell/*.cpp ${CMAKE_SOURCE_DIR}/tools/*.cpp)
list(FILTER HALVANE_TRANSLATED_SOURCES EXCLUDE REGEX "(_test|_fuzz)\\.cpp$|/translate\\.cpp$")
list(SORT HALVANE_TRANSLATED_SOURCES)
set(HALVANE_LUPDATE_LIST ${CMAKE_BINARY_DIR}/i18n/sources.lst)
string(REPLACE ";" "\n" sourceLines "${HALVANE_TRANSLATED_SOURCES}")
file(CONFIGURE OUTPUT ${HALVANE_LUPDATE_LIST} CONTENT "${sourceLines}\n")

set(HALVANE_TS_FILES)
set(HALVANE_QM_FILES)
foreach(language ${HALVANE_LANGUAGES})
  set(ts ${CMAKE_SOURCE_DIR}/i18n/halvane_${language}.ts)
  set(qm ${CMAKE_BINARY_DIR}/translations/halvane_${language}.qm)
  list(APPEND HALVANE_TS_FILES ${ts})
  list(APPEND HALVANE_QM_FILES ${qm})
  add_custom_command(OUTPUT ${qm}
    COMMAND ${HALVANE_LRELEASE} -silent ${ts} -qm ${qm}
    DEPENDS ${ts} VERBATIM)
endforeach()
# English, the source, needs only its plural forms ("Imported 1 satellite"): halvane_en.ts
# holds the texts with %n alone (lupdate -pluralonly).
set(HALVANE_EN_TS ${CMAKE_SOURCE_DIR}/i18n/halvane_en.ts)
set(HALVANE_EN_QM ${CMAKE_BINARY_DIR}/translations/halvane_en.qm)
list(APPEND HALVANE_QM_FILES ${HALVANE_EN_QM})
add_custom_command(OUTPUT ${HALVANE_EN_QM}
  COMMAND ${HALVANE_LRELEASE} -silent ${HALVANE_EN_TS} -qm ${HALVANE_EN_QM}
  DEPENDS ${HALVANE_EN_TS} VERBATIM)
# A few finished texts for the test that switches the language (HALVANE_TRANSLATIONS).
set(HALVANE_TEST_QM ${CMAKE_BINARY_DIR}/test-translations/halvane_de.qm)
add_custom_command(OUTPUT ${HALVANE_TEST_QM}
  COMMAND ${HALVANE_LRELEASE} -silent ${CMAKE_SOURCE_DIR}/tests/translations/halvane_de.ts
    -qm ${HALVANE_TEST_QM}
  DEPENDS ${CMAKE_SOURCE_DIR}/tests/translations/halvane_de.ts VERBATIM)
add_custom_target(halvane_translations ALL DEPENDS ${HALVANE_QM_FILES} ${HALVANE_TEST_QM})
install(FILES ${HALVANE_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/halvane/translations)

# Without line numbers, so that moving code changes no .ts file; strings no longer in the
# code are dropped, which the translation check would otherwise report.
add_custom_target(update_translations
  COMMAND ${HALVANE_LUPDATE} -silent -locations none -no-obsolete -no-ui-lines
    -tr-function-alias tr+=Tr,tr+=Tr16,QT_TR_NOOP+=Mark @${HALVANE_LUPDATE_LIST}
    -ts ${HALVANE_TS_FILES}
  COMMAND ${HALVANE_LUPDATE} -silent -locations none -no-obsolete -no-ui-lines -pluralonly
    -tr-function-alias tr+=Tr,tr+=Tr16,QT_TR_NOOP+=Mark @${HALVANE_LUPDATE_LIST}
    -ts ${HALVANE_EN_TS}
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
  COMMENT "Collecting the marked texts into i18n/*.ts" VERBATIM)

# `make test` fails on a text not translated, no longer in the code, or translated with other
# placeholders than its source's, and when the .ts files miss a text the code marks; a file
# whose translation has not begun is only noted.
add_test(NAME Translations.CompleteAndCurrent
  COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-translations
    --lupdate ${HALVANE_LUPDATE} ${HALVANE_LUPDATE_LIST} ${HALVANE_TS_FILES} ${HALVANE_EN_TS})
