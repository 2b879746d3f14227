# SPDX-License-Identifier: GPL-3.0-or-later
# marvane_embed_version_info(<target>)
#
# Gives the executable <target> the program's version information (version_info.cmake), where
# the version reader finds it in the program's own file: on Windows a VERSIONINFO resource, on
# ELF systems the section .marvane.version, generated at build time by getver_mkversionres.
function(marvane_embed_version_info target)
  include(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/version_info.cmake)
  set(prefix ${CMAKE_CURRENT_BINARY_DIR}/${target}_version_info)

  if(WIN32)
    string(REPLACE "." "," rc_fixed "${MARVANE_VERSION_FIXED}")
    set(rc_strings "")
    foreach(entry IN LISTS MARVANE_VERSION_STRINGS)
      string(FIND "${entry}" "=" equals)
      string(SUBSTRING "${entry}" 0 ${equals} name)
      math(EXPR value_start "${equals} + 1")
      string(SUBSTRING "${entry}" ${value_start} -1 value)
      string(REPLACE "\"" "\"\"" value "${value}")
      string(APPEND rc_strings "            VALUE \"${name}\", \"${value}\"\n")
    endforeach()
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/version_info.rc.in ${prefix}.rc @ONLY)
    target_sources(${target} PRIVATE ${prefix}.rc)
    return()
  endif()

  set(table "file-version ${MARVANE_VERSION_FIXED}\n"
            "product-version ${MARVANE_VERSION_FIXED}\n"
            "file-flags ${MARVANE_VERSION_FILE_FLAGS}\n"
            "file-os ${MARVANE_VERSION_FILE_OS}\n"
            "file-type ${MARVANE_VERSION_FILE_TYPE}\n"
            "language 0x${MARVANE_VERSION_LANGUAGE}\n"
            "code-page 0x${MARVANE_VERSION_CODE_PAGE}\n")
  string(JOIN "" table ${table})
  foreach(entry IN LISTS MARVANE_VERSION_STRINGS)
    string(APPEND table "string ${entry}\n")
  endforeach()
  # Rewritten only when it changes, so that the block is regenerated exactly then.
  set(old_table "")
  if(EXISTS ${prefix}.txt)
    file(READ ${prefix}.txt old_table)
  endif()
  if(NOT old_table STREQUAL table)
    file(WRITE ${prefix}.txt "${table}")
  endif()

  add_custom_command(
    OUTPUT ${prefix}.cpp
    COMMAND getver_mkversionres ${prefix}.txt ${prefix}.cpp
    DEPENDS getver_mkversionres ${prefix}.txt
    COMMENT "Generating the version information of ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE ${prefix}.cpp)
endfunction()
