# Benchmarks of the tool models.
add_executable(tools_bench ${CMAKE_CURRENT_LIST_DIR}/tools_bench.cpp)
target_link_libraries(tools_bench PRIVATE fraction mortgage benchmark::benchmark)
