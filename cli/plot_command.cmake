# The `plot` command of nuvra-cli: the only command that paints, so the only one linking Qt GUI.
add_library(cli_plot STATIC)
target_sources(cli_plot PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/plot_command.cpp
)
target_include_directories(cli_plot PUBLIC ${PROJECT_SOURCE_DIR})
# kUsageError and kOutputError come from cli_commands.
target_link_libraries(cli_plot PUBLIC project_options core graph graph_canvas cli_commands)
