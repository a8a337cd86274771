# Applies the sanitizer chosen by PHRASEBOOK_SANITIZE to every target of the build.
if(PHRASEBOOK_SANITIZE STREQUAL "address")
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
elseif(PHRASEBOOK_SANITIZE STREQUAL "thread")
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
elseif(NOT PHRASEBOOK_SANITIZE STREQUAL "")
    message(FATAL_ERROR "PHRASEBOOK_SANITIZE must be empty, address or thread")
endif()

# A fuzz build instruments every library for coverage, so that the fuzzer sees into the readers
# it drives and not only into the target file itself.
if(PHRASEBOOK_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# phrasebook_add_fuzzer(name SOURCES ... LIBS ...): a libFuzzer target, built only with PHRASEBOOK_FUZZ.
function(phrasebook_add_fuzzer name)
    cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
    if(NOT PHRASEBOOK_FUZZ)
        return()
    endif()
    add_executable(${name} ${F_SOURCES})
    target_link_libraries(${name} PRIVATE ${F_LIBS})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
endfunction()
