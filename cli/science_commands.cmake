# The commands over the formula evaluator and the scientific models.
add_library(cli_science STATIC)
target_sources(cli_science PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/science_commands.cpp
)
target_include_directories(cli_science PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(cli_science PUBLIC project_options core eval sci cli_commands)

if(NUVRA_BUILD_TESTS)
    add_executable(cli_science_tests ${CMAKE_CURRENT_LIST_DIR}/tests/science_commands_tests.cpp)
    target_link_libraries(cli_science_tests PRIVATE cli_science GTest::gtest_main)
    nuvra_add_gtest(cli_science_tests)
endif()
