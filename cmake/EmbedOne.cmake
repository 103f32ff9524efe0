# Script mode helper for coilwend_embed: writes one file's bytes as a C++ array.
file(READ "${IN}" hex HEX)
string(LENGTH "${hex}" hex_len)
math(EXPR size "${hex_len} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," body "${hex}")
# A zero byte at the end lets text assets be used as C strings; the size excludes it.
file(WRITE "${OUT}" "#include <cstddef>\nextern const unsigned char ${SYMBOL}[];\nextern const std::size_t ${SYMBOL}_size;\nalignas(16) const unsigned char ${SYMBOL}[] = {${body}0x00};\nconst std::size_t ${SYMBOL}_size = ${size};\n")
