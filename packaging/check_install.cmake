# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch staging folder, the way a package build does (DESTDIR plus
# an absolute prefix), and checks the layout the program depends on:
#
#   cmake -DBUILD_DIR=<build> -DSTAGE=<scratch folder> -DPROGRAMDIR=lib/marvane
#         -DBINDIR=bin -DDATADIR=share -DAPP_ID=<id> -P check_install.cmake

foreach(var BUILD_DIR STAGE PROGRAMDIR BINDIR DATADIR APP_ID)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

set(prefix /usr)
file(REMOVE_RECURSE ${STAGE})
set(ENV{DESTDIR} ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(root ${STAGE}${prefix})

set(failures "")

# The link must be relative, or it would point into the staging folder (or nowhere) once the
# files are moved to their real place.
set(link ${root}/${BINDIR}/marvane)
if(NOT IS_SYMLINK ${link})
  list(APPEND failures "${BINDIR}/marvane is not a symbolic link")
else()
  file(READ_SYMLINK ${link} target)
  get_filename_component(resolved ${link} REALPATH)
  if(IS_ABSOLUTE ${target})
    list(APPEND failures "${BINDIR}/marvane points to the absolute path ${target}")
  elseif(NOT resolved STREQUAL "${root}/${PROGRAMDIR}/marvane")
    list(APPEND failures "${BINDIR}/marvane resolves to ${resolved}, not the installed program")
  endif()
endif()

# The text engine's link, made the same way.
set(link ${root}/${BINDIR}/marvane-engine)
get_filename_component(resolved ${link} REALPATH)
if(NOT IS_SYMLINK ${link} OR NOT resolved STREQUAL "${root}/${PROGRAMDIR}/marvane-engine")
  list(APPEND failures "${BINDIR}/marvane-engine is not a link to the installed text engine")
else()
  file(READ_SYMLINK ${link} target)
  if(IS_ABSOLUTE ${target})
    list(APPEND failures "${BINDIR}/marvane-engine points to the absolute path ${target}")
  endif()
endif()

# The sound module and the sounds belong beside the real program file, where it looks for them.
if(NOT EXISTS ${root}/${PROGRAMDIR}/marvane-sound.so)
  list(APPEND failures "${PROGRAMDIR}/marvane-sound.so is missing")
endif()
foreach(sound Ok Full Bad Won)
  set(file ${root}/${PROGRAMDIR}/system/${sound}.wav)
  set(size 0)
  if(EXISTS ${file})
    file(SIZE ${file} size)
  endif()
  if(size LESS_EQUAL 44)
    list(APPEND failures "${PROGRAMDIR}/system/${sound}.wav is missing or holds no sound")
  endif()
endforeach()

if(NOT EXISTS ${root}/${PROGRAMDIR}/system/evaluation.bin)
  list(APPEND failures "${PROGRAMDIR}/system/evaluation.bin (the learned evaluation) is missing")
endif()

foreach(file applications/${APP_ID}.desktop metainfo/${APP_ID}.metainfo.xml
             icons/hicolor/scalable/apps/${APP_ID}.svg icons/hicolor/16x16/apps/${APP_ID}.png
             icons/hicolor/256x256/apps/${APP_ID}.png doc/marvane/LICENSE)
  if(NOT EXISTS ${root}/${DATADIR}/${file})
    list(APPEND failures "${DATADIR}/${file} is missing")
  endif()
endforeach()

file(REMOVE_RECURSE ${STAGE})
if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "Install layout:\n  ${text}")
endif()
