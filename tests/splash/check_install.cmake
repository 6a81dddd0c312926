# Installs the build tree into a scratch prefix and checks that the program, the command-line
# chord reader beside it, its icons and its desktop entry land where desktops look for them.
# Expects BUILD_DIR, PREFIX, EXPECT_PROGRAM (0 or 1), PRINTING_MODULE and SPLASH_PICTURE (where
# the program looks for its printing module and its splash's picture, relative to PREFIX) and
# DESKTOP_FILE_VALIDATE.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
  share/icons/hicolor/16x16/apps/tonalis.png
  share/icons/hicolor/32x32/apps/tonalis.png
  share/applications/tonalis.desktop)
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
