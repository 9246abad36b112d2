# Installs the build into a scratch prefix and checks what a Linux desktop will
# look for: the program, its launcher entry, its AppStream metadata and its
# icon, in the standard places, valid, and all naming the same application id.
#   cmake -DBUILD_DIR=<build> -DPREFIX=<scratch dir> [-DCONFIG=<config>] -P install_check.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT BUILD_DIR OR NOT PREFIX)
  message(FATAL_ERROR "BUILD_DIR and PREFIX must be given")
endif()
set(app_id net.tobrin.Vexo)
set(errors "")

# A fresh prefix, so files left by an earlier run cannot make the check pass.
file(REMOVE_RECURSE "${PREFIX}")
set(config_args "")
if(CONFIG)
  set(config_args --config "${CONFIG}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}" ${config_args}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
endif()

set(desktop_file "${PREFIX}/share/applications/${app_id}.desktop")
set(metainfo_file "${PREFIX}/share/metainfo/${app_id}.metainfo.xml")
set(icon_file "${PREFIX}/share/icons/hicolor/scalable/apps/${app_id}.svg")
foreach(installed IN ITEMS "${PREFIX}/bin/vexo" "${desktop_file}" "${metainfo_file}" "${icon_file}"
                          "${PREFIX}/share/man/man6/vexo.6")
  if(NOT EXISTS "${installed}")
    list(APPEND errors "not installed: ${installed}")
  endif()
endforeach()
if(errors)
  list(JOIN errors "\n  " text)
  message(FATAL_ERROR "install layout:\n  ${text}\ninstalled were:\n${output}")
endif()

find_program(program vexo PATHS "${PREFIX}/bin" NO_DEFAULT_PATH NO_CACHE)
if(NOT program)
  list(APPEND errors "bin/vexo is not an executable")
endif()

# The launcher entry starts the installed program, shows the installed icon
# and sits in the Education menu (the validator only hints when a launcher
# has no main category).
file(READ "${desktop_file}" desktop)
if(NOT desktop MATCHES "(^|\n)Exec=vexo\n")
  list(APPEND errors "the launcher does not run the installed vexo")
endif()
if(NOT desktop MATCHES "(^|\n)Icon=${app_id}\n")
  list(APPEND errors "the launcher does not show the installed icon ${app_id}")
endif()
if(NOT desktop MATCHES "(^|\n)Categories=([^\n]*;)?Education;")
  list(APPEND errors "the launcher is not in the Education menu")
endif()

# The metadata names the same component and launcher.
file(READ "${metainfo_file}" metainfo)
string(FIND "${metainfo}" "<id>${app_id}</id>" id_at)
string(FIND "${metainfo}" "<launchable type=\"desktop-id\">${app_id}.desktop</launchable>" launchable_at)
if(id_at EQUAL -1)
  list(APPEND errors "the metadata's <id> is not ${app_id}")
endif()
if(launchable_at EQUAL -1)
  list(APPEND errors "the metadata does not launch ${app_id}.desktop")
endif()

file(READ "${icon_file}" icon LIMIT 4096)
string(FIND "${icon}" "<svg" svg_at)
if(svg_at EQUAL -1)
  list(APPEND errors "the icon is not an SVG picture")
endif()

# The validators are part of the check; a machine without them cannot pass it.
function(validate tool)
  find_program(path ${tool} NO_CACHE)
  if(NOT path)
    list(APPEND errors "${tool} is not installed")
  else()
    execute_process(COMMAND "${path}" ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    # Hints are advice; errors and warnings fail, whatever the exit status says.
    if(NOT result EQUAL 0 OR out MATCHES "(error|warning):|(^|\n)[EW]: ")
      string(REPLACE ";" "\\;" out "${out}")
      list(APPEND errors "${tool} rejects the installed file:\n${out}")
    endif()
  endif()
  set(errors "${errors}" PARENT_SCOPE)
endfunction()
validate(desktop-file-validate "${desktop_file}")
validate(appstreamcli validate --no-net "${metainfo_file}")

if(errors)
  list(JOIN errors "\n  " text)
  message(FATAL_ERROR "install check:\n  ${text}")
endif()
message(STATUS "installed layout under ${PREFIX} is complete and valid")
