# Benchmarks of the plotter's sampling; painting is measured with the Graph window.
add_executable(graph_bench ${CMAKE_CURRENT_LIST_DIR}/graph_bench.cpp)
target_link_libraries(graph_bench PRIVATE graph benchmark::benchmark)
