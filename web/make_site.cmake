# Writes a program's web site: cmake -DPROGRAM=<the program's .js> -DENTRY=<its
# entry function> -DTITLE=... -DVERSION=... -DSITE=<folder> -DTEMPLATES=<web/>
# -DICONS=<folder> -DLICENSE=<Vexo's licence> -DNOTICES=<the third-party notices>
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

# What the site carries, it licenses: Vexo's licence and the notices.
configure_file("${LICENSE}" "${SITE}/LICENSE.txt" COPYONLY)
configure_file("${NOTICES}" "${SITE}/THIRD-PARTY-NOTICES.txt" COPYONLY)
