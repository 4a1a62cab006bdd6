# The commands over the tool models.
add_library(cli_tools STATIC)
target_sources(cli_tools PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/tool_commands.cpp
)
target_include_directories(cli_tools PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(cli_tools PUBLIC project_options core)
