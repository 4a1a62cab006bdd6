# Benchmarks of the plotter: the sampling of a whole canvas, and one full frame of its painting.
add_executable(graph_bench ${CMAKE_CURRENT_LIST_DIR}/graph_bench.cpp)
target_link_libraries(graph_bench PRIVATE graph benchmark::benchmark)
add_executable(graph_paint_bench ${CMAKE_CURRENT_LIST_DIR}/graph_paint_bench.cpp)
target_link_libraries(graph_paint_bench PRIVATE graph_canvas benchmark::benchmark)
