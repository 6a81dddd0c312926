# SPDX-License-Identifier: GPL-3.0-or-later
# `make package`: a Debian package of what `cmake --install` puts in place, stripped, with its
# dependencies declared. dpkg-shlibdeps finds the linked libraries; the ones the program opens
# while it runs (FluidSynth, libcups), the window system's plugins and the soundfont it plays
# are named here, since no linker records them.
include(GNUInstallDirs)

# The documents a Debian package carries beside its files: the licence and the changes.
# Named after the package, as Debian looks for them (the default would follow the project).
set(doc_folder ${CMAKE_INSTALL_DATADIR}/doc/tonalis)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION ${doc_folder})
set(packaged_changelog ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${packaged_changelog}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/packaging/changelog > ${packaged_changelog}
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog
  COMMENT "Compressing the changelog")
add_custom_target(tonalis_changelog ALL DEPENDS ${packaged_changelog})
install(FILES ${packaged_changelog} DESTINATION ${doc_folder})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tonalis)
set(CPACK_PACKAGE_VENDOR "Tonalis Project")
set(CPACK_PACKAGE_CONTACT "Tonalis Project <tonalis@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "generates and reconstructs chords on a piano keyboard")
set(CPACK_PACKAGE_DESCRIPTION
  "Tonalis is a tool for musicians. Pick notes on a two-octave piano keyboard:
with one note picked it draws the thirty chords built on it, each as a small
keyboard picture captioned with its symbols and formula; with three to five
notes picked it names the chord they form, trying inversions. A live readout
names any selection, and tonalis-chord names chords from the command line.
Keys and chords sound through the built-in General MIDI synthesizer or a MIDI
port, and a MIDI keyboard can play into it.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libfluidsynth3, libcups2, qt6-qpa-plugins, timgm6mb-soundfont | sf2-soundfont-gm")
# The design's faces: Arial and Times New Roman, or their metric twins.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
