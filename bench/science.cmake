# Benchmarks of the formula evaluator and the scientific models.
add_executable(science_bench science_bench.cpp)
target_link_libraries(science_bench PRIVATE eval benchmark::benchmark)
