# SPDX-FileCopyrightText: 2026 The slots_tarnix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Regenerates every asset into a scratch directory and compares it byte for byte with the
# committed files; a stale or hand-edited asset fails here.
file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND "${GENERATOR}" "${WORK_DIR}/assets" "${WORK_DIR}/assets-sheet.png"
  RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "tarnix-assetgen failed (${rc})")
endif()

file(GLOB_RECURSE made RELATIVE "${WORK_DIR}/assets" "${WORK_DIR}/assets/*")
file(GLOB_RECURSE committed RELATIVE "${SOURCE_DIR}/assets"
  "${SOURCE_DIR}/assets/sounds/*" "${SOURCE_DIR}/assets/pictures/*")
list(APPEND committed assets.qrc)
list(SORT made)
list(SORT committed)
if(NOT made STREQUAL committed)
  message(FATAL_ERROR "The committed asset files differ in number or names from what the generator makes")
endif()

set(pairs)
foreach(f IN LISTS made)
  list(APPEND pairs "${WORK_DIR}/assets/${f}|${SOURCE_DIR}/assets/${f}")
endforeach()
list(APPEND pairs "${WORK_DIR}/assets-sheet.png|${SOURCE_DIR}/docs/assets-sheet.png")
set(bad 0)
foreach(pair IN LISTS pairs)
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 a)
  list(GET pair 1 b)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${a}" "${b}" RESULT_VARIABLE diff)
  if(NOT diff EQUAL 0)
    message(SEND_ERROR "differs from the generator's output: ${b}")
    math(EXPR bad "${bad} + 1")
  endif()
endforeach()
if(bad GREATER 0)
  message(FATAL_ERROR "${bad} asset file(s) are not reproduced; regenerate them (see the README)")
endif()
