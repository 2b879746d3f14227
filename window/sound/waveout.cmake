# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows sound module: the WAV reader and the waveOut engine (no Qt Multimedia, no
# libsndfile). Included by this folder's CMakeLists.txt on Windows in place of the module there.
add_library(marvane_wavfile STATIC wavfile.cpp wavfile.h remix.cpp remix.h)
set_target_properties(marvane_wavfile PROPERTIES AUTOMOC OFF)

add_library(marvane_soundengine_code STATIC waveoutengine.cpp waveoutengine.h)
target_link_libraries(marvane_soundengine_code PUBLIC Qt6::Core PRIVATE marvane_wavfile winmm)

add_library(marvane_soundengine MODULE waveoutmodule.cpp)
target_link_libraries(marvane_soundengine PRIVATE marvane_soundengine_code)
set_target_properties(marvane_wavfile marvane_soundengine_code marvane_soundengine PROPERTIES
  POSITION_INDEPENDENT_CODE ON CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
set_target_properties(marvane_soundengine PROPERTIES
  PREFIX "" OUTPUT_NAME marvane-sound LIBRARY_OUTPUT_DIRECTORY ${MARVANE_OUTPUT_DIR})
