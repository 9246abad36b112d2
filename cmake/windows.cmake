# What makes Vexo's MinGW build of vexo.exe a Windows program to hand out:
# the program's icon from 16 to 256 pixels, its version and its
# manifest; then the zip that runs from any folder and the per-user installer
# (target windows_packages).
enable_language(RC)
target_link_options(vexo PRIVATE $<$<CONFIG:Release>:LINKER:-s>)

set(windows_dir ${PROJECT_BINARY_DIR}/windows)
file(MAKE_DIRECTORY ${windows_dir})

# The icon, drawn from the same picture as the window icon.
find_program(VEXO_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(VEXO_ICOTOOL icotool REQUIRED)
set(svg ${PROJECT_SOURCE_DIR}/resources/icons/vexo.svg)
set(icon ${windows_dir}/vexo.ico)
set(pngs "")
foreach(size 16 20 24 32 40 48 64 128 256)
  set(png ${windows_dir}/vexo-${size}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${VEXO_RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${svg}
    DEPENDS ${svg} VERBATIM)
  if(size EQUAL 256)
    set(large ${png})
  else()
    list(APPEND pngs ${png})
  endif()
endforeach()
# The 256-pixel picture is kept as PNG, as Windows stores large icons.
add_custom_command(OUTPUT ${icon}
  COMMAND ${VEXO_ICOTOOL} --create --output ${icon} ${pngs} --raw=${large}
  DEPENDS ${pngs} ${large} VERBATIM)

set(VEXO_ICON ${icon})
set(VEXO_VERSION ${PROJECT_VERSION})
# Windows versions have four parts: 1.3.6 is 1.3.0.6.
set(VEXO_VERSION_DOTS ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.${PROJECT_VERSION_PATCH})
string(REPLACE "." "," VEXO_VERSION_COMMAS ${VEXO_VERSION_DOTS})
set(VEXO_MANIFEST ${windows_dir}/vexo.manifest)
configure_file(${PROJECT_SOURCE_DIR}/windows/vexo.manifest.in ${VEXO_MANIFEST} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/windows/vexo.rc.in ${windows_dir}/vexo.rc @ONLY)
add_custom_target(vexo_icon DEPENDS ${icon})
add_dependencies(vexo vexo_icon)
target_sources(vexo PRIVATE ${windows_dir}/vexo.rc)
set_source_files_properties(${windows_dir}/vexo.rc TARGET_DIRECTORY vexo PROPERTIES
  OBJECT_DEPENDS "${icon};${VEXO_MANIFEST}")

# The licences of everything built into vexo.exe besides Vexo.
include(${CMAKE_CURRENT_LIST_DIR}/notices.cmake)
set(VEXO_NOTICES ${windows_dir}/THIRD-PARTY-NOTICES.txt)
vexo_notices(${VEXO_NOTICES} "Vexo for Windows (vexo.exe)"
  "Qt's base module|qt6-base-dev-tools"
  "nanosvg, which draws the flags|libnanosvg-dev"
  "Wine's Tahoma clone, the font of every window|fonts-wine"
  "The MinGW-w64 runtime: the C runtime start-up code and winpthreads|mingw-w64-common"
  "GCC's runtime libraries: libgcc and libstdc++|gcc-mingw-w64-base")

# The zip: the program, its licence and the notices in a folder of their own.
set(package_name vexo-${PROJECT_VERSION})
set(zip ${PROJECT_BINARY_DIR}/${package_name}-windows-x86_64.zip)
set(zip_dir ${windows_dir}/zip)
add_custom_command(OUTPUT ${zip}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${zip_dir}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${zip_dir}/Vexo
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:vexo> ${zip_dir}/Vexo/vexo.exe
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSE ${zip_dir}/Vexo/LICENSE.txt
  COMMAND ${CMAKE_COMMAND} -E copy ${VEXO_NOTICES} ${zip_dir}/Vexo/THIRD-PARTY-NOTICES.txt
  COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
  COMMAND ${CMAKE_COMMAND} -E chdir ${zip_dir} ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip Vexo
  DEPENDS vexo ${PROJECT_SOURCE_DIR}/LICENSE ${VEXO_NOTICES} VERBATIM)

# The installer, made by NSIS.
find_program(VEXO_MAKENSIS makensis REQUIRED)
set(VEXO_INSTALLER ${PROJECT_BINARY_DIR}/${package_name}-setup.exe)
set(VEXO_EXE $<TARGET_FILE:vexo>)
set(VEXO_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# The program holds this mutex while it runs; the installer looks for it.
set(VEXO_MUTEX net.tobrin.Vexo.running)
target_compile_definitions(vexo_lib PRIVATE VEXO_RUNNING_MUTEX="${VEXO_MUTEX}")
configure_file(${PROJECT_SOURCE_DIR}/windows/installer.nsi.in ${windows_dir}/installer.nsi.in @ONLY)
file(GENERATE OUTPUT ${windows_dir}/installer.nsi INPUT ${windows_dir}/installer.nsi.in)
add_custom_command(OUTPUT ${VEXO_INSTALLER}
  COMMAND ${VEXO_MAKENSIS} -V2 -NOCD ${windows_dir}/installer.nsi
  DEPENDS vexo ${icon} ${windows_dir}/installer.nsi ${VEXO_LICENSE} ${VEXO_NOTICES} VERBATIM)

add_custom_target(windows_packages DEPENDS ${zip} ${VEXO_INSTALLER})
# Where the packages of this version and what they hold are, for the tests:
# never an older build's left beside them.
file(GENERATE OUTPUT ${windows_dir}/packages.sh CONTENT
  "installer='${VEXO_INSTALLER}'\nzip='${zip}'\nbuilt_exe='$<TARGET_FILE:vexo>'\nnotices='${VEXO_NOTICES}'\nversion='${PROJECT_VERSION}'\nqt='${QT6_INSTALL_PREFIX}'\n")
