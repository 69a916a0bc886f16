# Writes the application icon as SVG: the weather glyph of the application's
# logo on the rounded blue tile the product's menu pictures use.
#   cmake -DGLYPH=partly-cloudy-day-rain.svg -DOUTPUT=icon.svg -P make_icon.cmake
file(READ "${GLYPH}" glyph)
string(REGEX REPLACE "<\\?xml[^>]*\\?>" "" glyph "${glyph}")
# The glyph's own root element becomes a nested picture placed on the tile.
string(REGEX REPLACE "^[ \t\r\n]*<svg " "<svg x=\"2.56\" y=\"1.28\" width=\"58.88\" height=\"58.88\" "
  glyph "${glyph}")
file(WRITE "${OUTPUT}" "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 64 64\" width=\"64\" height=\"64\">
<defs><linearGradient id=\"tile\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">
<stop offset=\"0\" stop-color=\"#0ea5e9\"/><stop offset=\"1\" stop-color=\"#0270ab\"/>
</linearGradient></defs>
<rect x=\"6.4\" y=\"6.4\" width=\"51.2\" height=\"51.2\" rx=\"10.88\" fill=\"url(#tile)\" stroke=\"#015e8e\" stroke-width=\"1.33\"/>
${glyph}
</svg>
")
