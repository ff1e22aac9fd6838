# How the tests are registered with CTest.

# add_unit_test(name [SOURCES file...] [LIBS lib...] [PROGRAM target] [RUN_UNDER command...]
#               [ENVIRONMENT VAR=value...])
#
# A Qt Test program built from SOURCES and linked with LIBS, run directly or under the
# RUN_UNDER command, with ENVIRONMENT. With PROGRAM, nothing is built: the test runs that
# test's program again, in another setting.
function(add_unit_test name)
    cmake_parse_arguments(ARG "" "PROGRAM" "SOURCES;LIBS;RUN_UNDER;ENVIRONMENT" ${ARGN})
    if(ARG_PROGRAM)
        set(program ${ARG_PROGRAM})
    else()
        set(program ${name})
        add_executable(${name} ${ARG_SOURCES})
        target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
        target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
    endif()
    add_test(NAME ${name} COMMAND ${ARG_RUN_UNDER} $<TARGET_FILE:${program}>)
    if(ARG_ENVIRONMENT)
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "${ARG_ENVIRONMENT}")
    endif()
endfunction()
