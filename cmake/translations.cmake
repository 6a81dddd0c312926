# SPDX-License-Identifier: GPL-3.0-or-later
# The translation template: every text the user sees, in the program's own English, gathered by
# lupdate into translations/tonalis.ts in the build tree, again whenever a source changes. A
# translator copies it to tonalis_<language>.ts and fills it in with Qt Linguist.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

# Every file of the folders that show text; new files are found when CMake runs again.
file(GLOB_RECURSE translated_sources CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/app/*.cpp
  ${CMAKE_SOURCE_DIR}/main_window/*.cpp
  ${CMAKE_SOURCE_DIR}/main_window/*.h
  ${CMAKE_SOURCE_DIR}/splash/*.cpp)
# The MIDI output's words for its result codes, marked without Qt (TONALIS_TRANSLATE_NOOP).
list(APPEND translated_sources ${CMAKE_SOURCE_DIR}/midi/result_meaning.h)

set(translation_template ${CMAKE_BINARY_DIR}/translations/tonalis.ts)
add_custom_command(OUTPUT ${translation_template}
  COMMAND Qt6::lupdate -silent -no-obsolete -locations none -source-language en
    -I ${CMAKE_SOURCE_DIR}
    -tr-function-alias QT_TRANSLATE_NOOP+=TONALIS_TRANSLATE_NOOP
    ${translated_sources} -ts ${translation_template}
  DEPENDS ${translated_sources}
  COMMENT "Gathering the texts to translate"
  VERBATIM)
add_custom_target(tonalis_translation_template ALL DEPENDS ${translation_template})
