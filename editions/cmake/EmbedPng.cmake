# Writes OUTPUT, a C++ file that holds the bytes of INPUT as the array kArt_<SYMBOL> and its size
# as kArt_<SYMBOL>_size. Run with cmake -P.
file(READ ${INPUT} bytes HEX)
string(LENGTH "${bytes}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," body "${bytes}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n    " body "${body}")
file(WRITE ${OUTPUT}.tmp
    "// Generated from ${INPUT}; do not edit.\n#include <cstddef>\n"
    "extern const unsigned char kArt_${SYMBOL}[] = {\n    ${body}\n};\n"
    "extern const std::size_t kArt_${SYMBOL}_size = ${size};\n")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
