# How the tests are registered with CTest.
#
# Every test carries one or more of these labels, so that a part of the run can be chosen
# with `ctest -L` and left out with `ctest -LE`:
#
#   unit     the quick suites: the game, the tiles, the windows offscreen, the artwork, the
#            loader's corpus; all of them together take seconds
#   pupil    the random pupil, which sends thousands of events to the main window (minutes)
#   display  the real program, or real input, on a virtual X display through xvfb-run
#   install  the desktop files validated by the desktop's own tools, and the install layout
set(TABELORA_TEST_LABELS unit pupil display install)

# The tests that need no real display run on this Qt platform, so that `ctest -L unit` works
# from any shell, a desktop's or one without a display. A test that names a platform in its
# ENVIRONMENT, and every test labelled display, keeps its own. Empty: the one the environment
# names, as for watching the windows of a test on the desktop.
set(TABELORA_TEST_PLATFORM offscreen CACHE STRING
    "Qt platform plugin (QT_QPA_PLATFORM) of the tests not labelled display; empty for the environment's")

# add_unit_test(name LABELS label... [SOURCES file...] [LIBS lib...]
#               [PROGRAM target | COMMAND command...] [RUN_UNDER command...]
#               [ENVIRONMENT VAR=value...])
#
# Registers one test. By default it is a Qt Test program built from SOURCES and linked with
# LIBS. With PROGRAM, nothing is built: the test runs that test's program again, in another
# setting. With COMMAND, nothing is built either: the test runs that command (a tool, or a
# CMake script). The program runs directly or under the RUN_UNDER command, with ENVIRONMENT
# and, unless labelled display, TABELORA_TEST_PLATFORM. LABELS is required and takes labels
# from TABELORA_TEST_LABELS.
function(add_unit_test name)
    cmake_parse_arguments(ARG "" "PROGRAM" "SOURCES;LIBS;RUN_UNDER;ENVIRONMENT;COMMAND;LABELS" ${ARGN})
    if(ARG_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "add_unit_test(${name}): unknown arguments ${ARG_UNPARSED_ARGUMENTS}")
    endif()
    list(JOIN TABELORA_TEST_LABELS ", " known)
    if(NOT ARG_LABELS)
        message(FATAL_ERROR "add_unit_test(${name}): give it LABELS, from: ${known}")
    endif()
    foreach(label IN LISTS ARG_LABELS)
        if(NOT label IN_LIST TABELORA_TEST_LABELS)
            message(FATAL_ERROR "add_unit_test(${name}): unknown label \"${label}\"; the labels are: ${known}")
        endif()
    endforeach()
    if(ARG_PROGRAM AND ARG_COMMAND)
        message(FATAL_ERROR "add_unit_test(${name}): PROGRAM and COMMAND exclude each other")
    endif()

    if(ARG_COMMAND)
        set(command ${ARG_COMMAND})
    else()
        if(ARG_PROGRAM)
            set(program ${ARG_PROGRAM})
        else()
            set(program ${name})
            add_executable(${name} ${ARG_SOURCES})
            target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
            target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
        endif()
        set(command $<TARGET_FILE:${program}>)
    endif()
    add_test(NAME ${name} COMMAND ${ARG_RUN_UNDER} ${command})
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
    if(TABELORA_TEST_PLATFORM AND NOT "display" IN_LIST ARG_LABELS
       AND NOT ARG_ENVIRONMENT MATCHES "(^|;)QT_QPA_PLATFORM=")
        list(PREPEND ARG_ENVIRONMENT QT_QPA_PLATFORM=${TABELORA_TEST_PLATFORM})
    endif()
    if(ARG_ENVIRONMENT)
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "${ARG_ENVIRONMENT}")
    endif()
endfunction()
