# The window layouts were drawn for Tahoma and MS Sans Serif at 8 points. Wine's
# metric-compatible clones (Debian package fonts-wine) are compiled into the
# program so captions fit the same way on every machine; without them the
# program falls back to the system's sans serif.
set(VEXO_FONT_DIR "/usr/share/wine/fonts" CACHE PATH "Folder holding tahoma.ttf and tahomabd.ttf")
set(VEXO_HAVE_FONTS OFF)
set(VEXO_FONT_QRC "")
if(EXISTS "${VEXO_FONT_DIR}/tahoma.ttf" AND EXISTS "${VEXO_FONT_DIR}/tahomabd.ttf")
  set(VEXO_HAVE_FONTS ON)
  set(_fonts_dir "${PROJECT_BINARY_DIR}/fonts")
  file(MAKE_DIRECTORY "${_fonts_dir}")
  configure_file("${VEXO_FONT_DIR}/tahoma.ttf" "${_fonts_dir}/tahoma.ttf" COPYONLY)
  configure_file("${VEXO_FONT_DIR}/tahomabd.ttf" "${_fonts_dir}/tahomabd.ttf" COPYONLY)
  set(VEXO_FONT_QRC "${_fonts_dir}/fonts.qrc")
  file(WRITE "${VEXO_FONT_QRC}" "<RCC><qresource prefix=\"/fonts\">\n  <file>tahoma.ttf</file>\n  <file>tahomabd.ttf</file>\n</qresource></RCC>\n")
else()
  message(WARNING "Tahoma clone not found in ${VEXO_FONT_DIR}; install fonts-wine for the intended layout")
endif()
