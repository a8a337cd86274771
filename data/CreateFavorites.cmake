# cmake -DFAVORITES=<path> -P CreateFavorites.cmake
# Creates an empty favorites file when there is none; an existing one (the user's list) is
# left exactly as it is.
if(NOT EXISTS "${FAVORITES}")
    file(WRITE "${FAVORITES}" "")
endif()
