# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build tree into a scratch prefix and checks that the program, the command-line
# chord reader beside it, its icons, desktop entry, metainfo, manual pages, completion and
# licence land where desktops, man and bash look for them, and that the metadata is valid.
# Expects BUILD_DIR, PREFIX, EXPECT_PROGRAM (0 or 1), PRINTING_MODULE and SPLASH_PICTURE (where
# the program looks for its printing module and its splash's picture, relative to PREFIX) and
# DESKTOP_FILE_VALIDATE and APPSTREAMCLI.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
  share/icons/hicolor/scalable/apps/tonalis.svg
  share/applications/tonalis.desktop
  share/metainfo/io.github.tonalis.tonalis.metainfo.xml
  share/man/man1/tonalis.1.gz
  share/man/man1/tonalis-chord.1.gz
  share/bash-completion/completions/tonalis-chord
  share/doc/tonalis/copyright
  share/doc/tonalis/changelog.gz)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/tonalis.png)
endforeach()
if(EXPECT_PROGRAM)
  list(APPEND expected bin/tonalis bin/tonalis-chord ${PRINTING_MODULE} ${SPLASH_PICTURE})
endif()
foreach(path IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

if(NOT DESKTOP_FILE_VALIDATE)
  message(FATAL_ERROR "desktop-file-validate is missing; scripts/install-deps.sh installs it")
endif()
execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${PREFIX}/share/applications/tonalis.desktop"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the installed desktop entry is not valid")
endif()

if(NOT APPSTREAMCLI)
  message(FATAL_ERROR "appstreamcli is missing; scripts/install-deps.sh installs it")
endif()
execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net
                        "${PREFIX}/share/metainfo/io.github.tonalis.tonalis.metainfo.xml"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the installed AppStream metainfo is not valid")
endif()

# Each icon file holds the size its folder names.
foreach(size 16 256)
  file(READ "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/tonalis.png" header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 32 16 dimensions)
  math(EXPR expected_side "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(REPLACE "0x" "" expected_side "${expected_side}")
  string(LENGTH "${expected_side}" digits)
  math(EXPR padding "8 - ${digits}")
  string(REPEAT "0" ${padding} zeros)
  if(NOT dimensions STREQUAL "${zeros}${expected_side}${zeros}${expected_side}")
    message(FATAL_ERROR "the ${size}x${size} icon is ${dimensions} (width and height, hex)")
  endif()
endforeach()
