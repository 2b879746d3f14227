# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack for every package it makes. Without dpkg-shlibdeps (and file, which finds the
# programs to scan) CPack quietly leaves the library dependencies out of the .deb; refuse that.
if(CPACK_GENERATOR STREQUAL "DEB")
  foreach(tool dpkg-shlibdeps file)
    find_program(_marvane_tool_${tool} ${tool})
    if(NOT _marvane_tool_${tool})
      message(FATAL_ERROR "Making the .deb needs ${tool}: apt-get install dpkg-dev file")
    endif()
  endforeach()
endif()

# The engine's precondition checks abort the program; they belong to the builds that run the
# tests, never to a package.
if(CPACK_MARVANE_CHECKS)
  message(FATAL_ERROR "This build stops the program at a broken precondition (MARVANE_CHECKS=ON "
                      "or a Debug build); make packages from a Release build with MARVANE_CHECKS=OFF")
endif()
