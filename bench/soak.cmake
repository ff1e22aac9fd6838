# The memory soak: thousands of games of deal and correct in one process, with the resident
# memory printed every hundred games (bench/soak.cpp says how to run it).
add_benchmark(soak SOURCES ${CMAKE_CURRENT_LIST_DIR}/soak.cpp LIBS tabelora_app)
