# phrasebook_add_test(name SOURCES ... LIBS ... [LABELS ...] [ENV ...]): one GoogleTest program,
# each of its tests registered with CTest. Screen tests get the offscreen Qt platform.
find_package(GTest REQUIRED)
include(GoogleTest)

function(phrasebook_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS;ENV" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    gtest_discover_tests(${name}
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests
        PROPERTIES LABELS "${T_LABELS}" ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${T_ENV}"
        DISCOVERY_TIMEOUT 60)
endfunction()
