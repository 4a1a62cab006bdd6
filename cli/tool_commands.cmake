# The commands over the tool models.
add_library(cli_tools STATIC)
target_sources(cli_tools PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/tool_commands.cpp
)
target_include_directories(cli_tools PUBLIC ${PROJECT_SOURCE_DIR})
# json_writer comes from cli_commands.
target_link_libraries(cli_tools PUBLIC project_options core cli_commands
    calendar constants converter financial fraction mortgage wordify)

if(NUVRA_BUILD_TESTS)
    add_executable(cli_tools_tests ${CMAKE_CURRENT_LIST_DIR}/tests/tool_commands_tests.cpp)
    target_link_libraries(cli_tools_tests PRIVATE cli_tools GTest::gtest_main)
    nuvra_add_gtest(cli_tools_tests)
endif()
