# Vexo for the web: the program as a static site of plain files that any web
# host serves without special headers (target vexo_site, in VEXO_WEB_SITE_DIR):
# Vexo's own page, Qt's loader, the program, a web app manifest with its
# icons, and a service worker that keeps the whole site for use offline.
set(VEXO_WEB_SITE_DIR "${PROJECT_BINARY_DIR}/site" CACHE PATH "Where the web site is written")

find_program(VEXO_RSVG_CONVERT rsvg-convert REQUIRED)
set(web_icons_dir ${PROJECT_BINARY_DIR}/web-icons)
set(svg ${PROJECT_SOURCE_DIR}/resources/icons/vexo.svg)
set(web_icons ${web_icons_dir}/vexo.svg)
add_custom_command(OUTPUT ${web_icons_dir}/vexo.svg
  COMMAND ${CMAKE_COMMAND} -E copy ${svg} ${web_icons_dir}/vexo.svg DEPENDS ${svg} VERBATIM)
# What a home screen, a phone's launcher and a browser's app list ask for:
# 180 pixels for iOS, 192 and 512 for the manifest.
foreach(size 180 192 512)
  set(png ${web_icons_dir}/vexo-${size}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${VEXO_RSVG_CONVERT} --width ${size} --height ${size} --background-color white
            --output ${png} ${svg}
    DEPENDS ${svg} VERBATIM)
  list(APPEND web_icons ${png})
endforeach()
add_custom_target(vexo_web_icons DEPENDS ${web_icons})

# What the site carries, it licenses: the notices of everything built into the
# program, beside Vexo's own licence.
include(${CMAKE_CURRENT_LIST_DIR}/notices.cmake)
set(web_notices ${PROJECT_BINARY_DIR}/web-notices/THIRD-PARTY-NOTICES.txt)
vexo_notices(${web_notices} "Vexo's web site"
  "Qt's base module, and Qt's loader qtloader.js|qt6-base-dev-tools"
  "nanosvg, which draws the flags|libnanosvg-dev"
  "Wine's Tahoma clone, the font of every window|fonts-wine"
  "Emscripten's runtime: its C and C++ libraries and the program's JavaScript|emscripten")
add_custom_target(vexo_web_notices DEPENDS ${web_notices})

# Writes the site of a program built with qt_add_executable into `site`.
function(vexo_add_web_site target title site)
  # The first visit downloads all of it: code optimised for size, which
  # compiles as fast. The page hands Qt the compiled program itself
  # (web/index.html.in), so that it can show the download's progress.
  target_link_options(${target} PRIVATE -Oz)
  string(MAKE_C_IDENTIFIER "${target}_entry" entry)
  set_target_properties(${target} PROPERTIES QT_WASM_EXPORT_NAME ${entry})
  set(templates index.html.in sw.js.in manifest.webmanifest.in)
  list(TRANSFORM templates PREPEND ${PROJECT_SOURCE_DIR}/web/)
  add_custom_target(${target}_site ALL
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${target}> -DENTRY=${entry}
      "-DTITLE=${title}" -DVERSION=${PROJECT_VERSION} -DSITE=${site} -DTEMPLATES=${PROJECT_SOURCE_DIR}/web
      -DICONS=${web_icons_dir} -DLICENSE=${PROJECT_SOURCE_DIR}/LICENSE
      -DNOTICES=${web_notices} -P ${PROJECT_SOURCE_DIR}/web/make_site.cmake
    DEPENDS ${target} vexo_web_icons vexo_web_notices ${web_notices} ${templates} ${PROJECT_SOURCE_DIR}/web/make_site.cmake
    COMMENT "Writing the web site of ${target} in ${site}" VERBATIM)
endfunction()

vexo_add_web_site(vexo Vexo "${VEXO_WEB_SITE_DIR}")
