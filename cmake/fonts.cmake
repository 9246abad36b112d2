# The window layouts were drawn for Tahoma at 8 points. Wine's metric-compatible
# clone (Debian package fonts-wine) is compiled into the program so captions fit
# the same way on every machine; without it the program falls back to the
# system's sans serif. Bold captions are the regular face emboldened by Qt:
# the clone's own bold face has the regular stems, only spaced wider.
set(VEXO_FONT_DIR "/usr/share/wine/fonts" CACHE PATH "Folder holding tahoma.ttf")
set(VEXO_HAVE_FONTS OFF)
set(VEXO_FONT_QRC "")
if(EXISTS "${VEXO_FONT_DIR}/tahoma.ttf")
  set(VEXO_HAVE_FONTS ON)
  set(_fonts_dir "${PROJECT_BINARY_DIR}/fonts")
  file(MAKE_DIRECTORY "${_fonts_dir}")
  configure_file("${VEXO_FONT_DIR}/tahoma.ttf" "${_fonts_dir}/tahoma.ttf" COPYONLY)
  set(VEXO_FONT_QRC "${_fonts_dir}/fonts.qrc")
  file(WRITE "${VEXO_FONT_QRC}" "<RCC><qresource prefix=\"/fonts\">\n  <file compression-algorithm=\"none\">tahoma.ttf</file>\n</qresource></RCC>\n")
else()
  message(WARNING "Tahoma clone not found in ${VEXO_FONT_DIR}; install fonts-wine for the intended layout")
endif()
