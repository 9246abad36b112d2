# Writes the third-party notices of what a Vexo package carries besides Vexo:
# the code configured into the Qt it links, as that Qt build's SPDX document
# records it, then the copyright file Debian ships for each source package
# the program was built from, with the full licence texts.
# Included, it gives vexo_notices(<output> <carrier> <part>...), a command
# that writes them; each part is "what|Debian package", whose source package
# and version the notices name.
# Run, it writes them:
#   cmake -DOUTPUT=<file> -DCARRIER=<"Vexo for Windows"> -DSBOM=<qtbase-*.spdx>
#         -DPARTS=<what|package^...> -P notices.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT CMAKE_SCRIPT_MODE_FILE)
  # What the Qt that tools/build_qt.sh built recorded of itself.
  set(VEXO_QT_SBOM "${QT6_INSTALL_PREFIX}/sbom/qtbase-${Qt6_VERSION}.spdx")
  if(NOT EXISTS "${VEXO_QT_SBOM}")
    message(FATAL_ERROR "${VEXO_QT_SBOM} is missing: the notices cannot name Qt's third-party code")
  endif()
  set(VEXO_NOTICES_SCRIPT "${CMAKE_CURRENT_LIST_FILE}")
  function(vexo_notices output carrier)
    list(JOIN ARGN "^" parts)
    add_custom_command(OUTPUT "${output}"
      COMMAND ${CMAKE_COMMAND} "-DOUTPUT=${output}" "-DCARRIER=${carrier}" "-DSBOM=${VEXO_QT_SBOM}"
              "-DPARTS=${parts}" -P "${VEXO_NOTICES_SCRIPT}"
      DEPENDS "${VEXO_NOTICES_SCRIPT}" "${PROJECT_SOURCE_DIR}/tools/qt_notices.awk" "${VEXO_QT_SBOM}"
      VERBATIM)
  endfunction()
  return()
endif()

foreach(variable OUTPUT CARRIER SBOM PARTS)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "notices.cmake needs ${variable}")
  endif()
endforeach()
find_program(awk NAMES awk mawk gawk REQUIRED NO_CACHE)
execute_process(COMMAND "${awk}" -f "${CMAKE_CURRENT_LIST_DIR}/../tools/qt_notices.awk" "${SBOM}"
                OUTPUT_VARIABLE qt_parts RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR qt_parts STREQUAL "")
  message(FATAL_ERROR "${SBOM} names no third-party code of Qt")
endif()

set(notices "The licences of what ${CARRIER} carries besides Vexo itself (GPL-3.0-or-later, LICENSE.txt).

First, the third-party code in the Qt that was built into the program, as that Qt build
records it. Then each part of the program and the Debian source package and version it was
built from, with the copyright file Debian ships for it, which holds the full text of every
licence named.

==== Third-party code in Qt ====

${qt_parts}")
string(REPLACE "^" ";" PARTS "${PARTS}")
foreach(part IN LISTS PARTS)
  string(REPLACE "|" ";" part "${part}")
  list(GET part 0 what)
  list(GET part 1 package)
  # The source the package was built from, by the name and version that
  # apt-get source takes.
  execute_process(COMMAND dpkg-query -W "-f=\${source:Package} \${source:Version}" ${package}
                  OUTPUT_VARIABLE source RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${package} is not installed: the notices would leave out ${what}")
  endif()
  set(copyright "/usr/share/doc/${package}/copyright")
  if(NOT EXISTS "${copyright}")
    message(FATAL_ERROR "${copyright} is missing: the notices would leave out ${what}")
  endif()
  file(READ "${copyright}" text)
  string(APPEND notices "\n\n==== ${what} (Debian source package ${source}) ====\n\n${text}")
endforeach()
file(WRITE "${OUTPUT}" "${notices}")
