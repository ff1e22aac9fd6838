add_benchmark(bench_tile SOURCES bench_tile.cpp LIBS tabelora_tiles)
