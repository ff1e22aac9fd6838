# The main window under a seeded random pupil (tools/monkey.sh runs it at any size and seed),
# and the main window fed bad tile strips and refused report saves.
add_unit_test(tst_monkey SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_monkey.cpp LIBS tabelora_app)
add_unit_test(tst_robust SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_robust.cpp LIBS tabelora_app)
