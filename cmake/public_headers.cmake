# SPDX-License-Identifier: GPL-3.0-or-later
# tonalis_public_headers(target folder): users of `target` include its headers as
# "folder/name.h" and see no other folder of the tree. Each library gets an include root of its
# own in the build tree, holding a link to its source folder; a file that includes a header of
# a library it does not link to fails to compile.
function(tonalis_public_headers target folder)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
