# The main window under a seeded random pupil (tools/monkey.sh runs it at any size and seed),
# and the main window fed bad tile strips and refused report saves.
add_unit_test(tst_monkey SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_monkey.cpp LIBS tabelora_app)
# Its one test function runs for a minute or two under the sanitizers; CTest's own time limit
# judges it rather than the test library's five minutes.
set_tests_properties(tst_monkey PROPERTIES ENVIRONMENT QTEST_FUNCTION_TIMEOUT=1800000)
add_unit_test(tst_robust SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_robust.cpp LIBS tabelora_app)
