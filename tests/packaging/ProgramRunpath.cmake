# Checks that a program looks for its libraries in its own folder and nowhere else it was not
# told to: its run path must be exactly $ORIGIN. A build-folder entry would tie it to this build,
# and an empty entry makes the loader search the folder the program was started from.
# Usage: cmake -DPROGRAM=<program> -P ProgramRunpath.cmake
file(READ_ELF "${PROGRAM}" RUNPATH runpath RPATH rpath CAPTURE_ERROR error)
if(error)
    message(FATAL_ERROR "cannot read ${PROGRAM}: ${error}")
endif()
if(NOT runpath STREQUAL "$ORIGIN" OR rpath)
    message(FATAL_ERROR "${PROGRAM}: run path \"${runpath}\", old-style path \"${rpath}\"; expected \"$ORIGIN\" only")
endif()
