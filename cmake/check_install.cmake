# Installs the build BUILD_DIR into a scratch prefix and checks what a desktop
# looks for there: the program, its entry in the application menu naming it
# and its window class, and every icon the build drew (ICON_DIR). With
# VALIDATE (desktop-file-validate) the entry must pass it without a remark.
cmake_minimum_required(VERSION 3.25)
set(prefix "${BUILD_DIR}/install-check")
file(REMOVE_RECURSE "${prefix}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
endif()

set(failures "")
if(NOT EXISTS "${prefix}/bin/trellis" OR IS_DIRECTORY "${prefix}/bin/trellis")
  string(APPEND failures "no program at bin/trellis\n")
endif()

set(entry "${prefix}/share/applications/trellis.desktop")
if(NOT EXISTS "${entry}")
  string(APPEND failures "no desktop entry at share/applications/trellis.desktop\n")
else()
  file(STRINGS "${entry}" lines)
  foreach(wanted "Exec=${prefix}/bin/trellis" "Icon=trellis" "StartupWMClass=Trellis")
    if(NOT wanted IN_LIST lines)
      string(APPEND failures "the entry lacks the line ${wanted}\n")
    endif()
  endforeach()
  if(VALIDATE AND NOT VALIDATE MATCHES "NOTFOUND$")
    execute_process(COMMAND "${VALIDATE}" "${entry}" RESULT_VARIABLE rc OUTPUT_VARIABLE out
                    ERROR_VARIABLE out)
    if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
      string(APPEND failures "desktop-file-validate (${rc}):\n${out}")
    endif()
  endif()
endif()

file(GLOB_RECURSE drawn RELATIVE "${ICON_DIR}" "${ICON_DIR}/*.png")
if(NOT drawn)
  string(APPEND failures "the build drew no icons in ${ICON_DIR}\n")
endif()
foreach(icon ${drawn})
  if(NOT EXISTS "${prefix}/share/icons/hicolor/${icon}")
    string(APPEND failures "no icon at share/icons/hicolor/${icon}\n")
  endif()
endforeach()

file(REMOVE_RECURSE "${prefix}")
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
