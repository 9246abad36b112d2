# Writes a program's web site: cmake -DPROGRAM=<the program's .js> -DENTRY=<its
# entry function> -DTITLE=... -DVERSION=... -DSITE=<folder> -DTEMPLATES=<web/>
# -DICONS=<folder> -DLICENSE=<Vexo's licence> -DQT_SOURCE=<the Qt source's version>
# -P make_site.cmake
# Every file but the page is asked for with the build's id in its query, and
# the service worker keeps each build's files apart: a page and its program
# always come from the same build.
get_filename_component(program_dir "${PROGRAM}" DIRECTORY)
get_filename_component(NAME "${PROGRAM}" NAME_WE)
file(REMOVE_RECURSE "${SITE}")
file(MAKE_DIRECTORY "${SITE}")
set(files "${PROGRAM}" "${program_dir}/${NAME}.wasm" "${program_dir}/qtloader.js")
file(GLOB icons "${ICONS}/*")
list(APPEND files ${icons})
file(COPY ${files} DESTINATION "${SITE}")

file(SIZE "${SITE}/${NAME}.wasm" WASM_SIZE)
# The build's id: what the site holds, the page's templates included.
set(ids "")
file(GLOB templates "${TEMPLATES}/*.in")
foreach(file IN LISTS files templates)
  file(SHA256 "${file}" hash)
  string(APPEND ids "${hash}\n")
endforeach()
string(SHA256 BUILD_ID "${ids}${TITLE}${VERSION}")
string(SUBSTRING "${BUILD_ID}" 0 16 BUILD_ID)

set(PROGRAM_JS "${NAME}.js")
set(PROGRAM_WASM "${NAME}.wasm")
# The service worker keeps these; "./" is the page as a visitor asks for it.
set(kept "./" index.html manifest.webmanifest)
foreach(file IN LISTS files)
  get_filename_component(file "${file}" NAME)
  list(APPEND kept "${file}")
endforeach()
list(JOIN kept "\", \"" KEPT_FILES)
set(KEPT_FILES "\"${KEPT_FILES}\"")
configure_file("${TEMPLATES}/index.html.in" "${SITE}/index.html" @ONLY)
configure_file("${TEMPLATES}/manifest.webmanifest.in" "${SITE}/manifest.webmanifest" @ONLY)
configure_file("${TEMPLATES}/sw.js.in" "${SITE}/sw.js" @ONLY)

# What the site carries, it licenses: Vexo's licence, and the copyright and
# licence of everything built into the program, as Debian records them for
# the sources it was built from.
configure_file("${LICENSE}" "${SITE}/LICENSE.txt" COPYONLY)
set(notices "The licences of what Vexo's web site carries besides Vexo itself (GPL-3.0-or-later, LICENSE.txt).
Each part below is built from the Debian source package named, whose copyright file follows.\n")
foreach(part
    "Qt's base module, and Qt's loader qtloader.js|qt6-base-dev-tools|qt6-base ${QT_SOURCE}"
    "nanosvg, which draws the flags|libnanosvg-dev|nanosvg"
    "Wine's Tahoma clone, the font of every window|fonts-wine|wine"
    "Emscripten's runtime: its C and C++ libraries and the program's JavaScript|emscripten|emscripten")
  string(REPLACE "|" ";" part "${part}")
  list(GET part 0 what)
  list(GET part 1 package)
  list(GET part 2 source)
  set(copyright "/usr/share/doc/${package}/copyright")
  if(NOT EXISTS "${copyright}")
    message(FATAL_ERROR "${copyright} is missing: the site's notices would leave out ${what}")
  endif()
  file(READ "${copyright}" text)
  string(APPEND notices "\n\n==== ${what} (Debian source package ${source}) ====\n\n${text}")
endforeach()
file(WRITE "${SITE}/THIRD-PARTY-NOTICES.txt" "${notices}")
