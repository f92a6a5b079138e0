# Writes the bytes of INPUT as a C++ array kWorldMapJpeg (with kWorldMapJpegSize) into OUTPUT.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR size "${hexLength} / 2")
if(size EQUAL 0)
  message(FATAL_ERROR "${INPUT} is empty")
endif()
# Sixteen bytes a line keeps the generated file readable and diff-friendly.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n    " bytes "${bytes}")
file(WRITE ${OUTPUT}
"// Generated from the painted world map; do not edit.\n"
"#include \"tools/mapgen/WorldMapJpeg.h\"\n\n"
"extern const unsigned char kWorldMapJpeg[] = {\n    ${bytes}\n};\n"
"extern const size_t kWorldMapJpegSize = ${size};\n")
