# The side-by-side suite that bench/run.sh drives: the reference program, the in-process
# scenario harness, the start-up watcher, the micro-benchmarks and the budget table.

add_library(tabelora_bench_support STATIC
    budgetreport.cpp budgetreport.h
    processcpu.cpp processcpu.h
    referenceoptions.cpp referenceoptions.h
    referencetile.cpp referencetile.h
    referencewindow.cpp referencewindow.h
    resultset.cpp resultset.h
    scenariooptions.cpp scenariooptions.h
    tickcounter.cpp tickcounter.h
)
target_link_libraries(tabelora_bench_support PUBLIC tabelora_game Qt6::Widgets)

add_executable(tabelora_reference referencemain.cpp)
target_link_libraries(tabelora_reference PRIVATE tabelora_bench_support)

add_executable(tabelora_scenario scenariomain.cpp scenariorunner.cpp scenariorunner.h)
target_link_libraries(tabelora_scenario PRIVATE tabelora_bench_support tabelora_app)

add_executable(tabelora_bench_summary summarymain.cpp)
target_link_libraries(tabelora_bench_summary PRIVATE tabelora_bench_support)

find_path(XCB_INCLUDE_DIR xcb/xcb.h)
find_library(XCB_LIBRARY xcb)
if(XCB_INCLUDE_DIR AND XCB_LIBRARY)
    add_executable(tabelora_startup_watch startupwatch.cpp)
    target_include_directories(tabelora_startup_watch PRIVATE ${XCB_INCLUDE_DIR})
    target_link_libraries(tabelora_startup_watch PRIVATE ${XCB_LIBRARY})
    set_target_properties(tabelora_startup_watch PROPERTIES AUTOMOC OFF)
else()
    message(WARNING "libxcb headers not found: bench/run.sh will time start-up by polling")
endif()

add_benchmark(bench_game SOURCES bench_game.cpp LIBS tabelora_app)

if(BUILD_TESTING)
    add_unit_test(tst_benchsuite SOURCES tst_benchsuite.cpp LIBS tabelora_bench_support)
endif()
