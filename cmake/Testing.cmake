# phrasebook_add_test(name SOURCES ... LIBS ... [LABELS ...] [ENV ...] [LOCK resource]): one
# GoogleTest program, each of its tests registered with CTest. Screen tests get the offscreen Qt
# platform. Tests that share a LOCK (files they change, say) never run at the same time.
find_package(GTest REQUIRED)
include(GoogleTest)

function(phrasebook_add_test name)
    cmake_parse_arguments(T "" "LOCK" "SOURCES;LIBS;LABELS;ENV" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    # Labels and environment are lists, which gtest_discover_tests' PROPERTIES would split into
    # separate property words; they are set from a small script run after the discovered tests
    # are defined instead, so every test gets all of them.
    gtest_discover_tests(${name}
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests
        TEST_LIST ${name}_discovered
        DISCOVERY_TIMEOUT 60)
    set(env "QT_QPA_PLATFORM=offscreen" ${T_ENV})
    set(lock "")
    if(T_LOCK)
        set(lock " RESOURCE_LOCK \"${T_LOCK}\"")
    endif()
    set(props ${CMAKE_CURRENT_BINARY_DIR}/${name}_properties.cmake)
    file(WRITE ${props}
        "foreach(test IN LISTS ${name}_discovered)\n"
        "  set_tests_properties(\"\${test}\" PROPERTIES LABELS \"${T_LABELS}\" ENVIRONMENT \"${env}\"${lock})\n"
        "endforeach()\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${props})
endfunction()
