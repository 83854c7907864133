# The program's texts in other languages: one tabwise_<language>.ts file a language in this folder,
# compiled by lrelease into .qm files that are embedded in tabwise_core under :/i18n (included from
# src/core/CMakeLists.txt). English is the language of the sources; its file holds only the plural
# forms ("1 page file", "2 page files").
#
# lupdate brings the .ts files up to date with the sources only when asked, with `make
# translations` (the target update_translations): it takes a while and changes files in the
# source tree, so no build runs it.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(TABWISE_TRANSLATIONS_DIR ${PROJECT_SOURCE_DIR}/translations)
set(TABWISE_LANGUAGES de fr)
set(TABWISE_TS_FILES)
foreach(language ${TABWISE_LANGUAGES})
  list(APPEND TABWISE_TS_FILES ${TABWISE_TRANSLATIONS_DIR}/tabwise_${language}.ts)
endforeach()
set(TABWISE_ENGLISH_TS ${TABWISE_TRANSLATIONS_DIR}/tabwise_en.ts)

file(GLOB_RECURSE TABWISE_TRANSLATED_SOURCES CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h)
# lupdate 6.4 never ends on a call as the count of translate() (translate("C", "%n MB", nullptr,
# int(x))): the count is always given in a variable.
# No line numbers in the .ts files: every edit of a source would change them all.
set(TABWISE_LUPDATE_OPTIONS -locations none -no-obsolete -silent)
qt_add_lupdate(tabwise_core
  TS_FILES ${TABWISE_TS_FILES}
  SOURCES ${TABWISE_TRANSLATED_SOURCES}
  INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/src
  OPTIONS ${TABWISE_LUPDATE_OPTIONS})
qt_add_lupdate(tabwise_english
  TS_FILES ${TABWISE_ENGLISH_TS}
  SOURCES ${TABWISE_TRANSLATED_SOURCES}
  INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/src
  OPTIONS -pluralonly ${TABWISE_LUPDATE_OPTIONS})

qt_add_lrelease(tabwise_core
  TS_FILES ${TABWISE_ENGLISH_TS} ${TABWISE_TS_FILES}
  OPTIONS -silent
  QM_FILES_OUTPUT_VARIABLE TABWISE_QM_FILES)
qt_add_resources(tabwise_core "tabwise_translations"
  PREFIX "/i18n"
  BASE ${CMAKE_CURRENT_BINARY_DIR}
  FILES ${TABWISE_QM_FILES})
