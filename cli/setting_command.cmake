# The `setting` command of nuvra-cli, kept apart so that it can be tested on its own.
add_library(cli_setting STATIC)
target_sources(cli_setting PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/setting_command.h
    ${CMAKE_CURRENT_LIST_DIR}/setting_command.cpp
)
target_include_directories(cli_setting PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(cli_setting PUBLIC project_options core platform_linux)

if(NUVRA_BUILD_TESTS)
    add_executable(cli_setting_tests)
    target_sources(cli_setting_tests PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/tests/setting_command_tests.cpp
    )
    target_link_libraries(cli_setting_tests PRIVATE
        project_options cli_setting platform_fakes GTest::gtest_main)
    nuvra_add_gtest(cli_setting_tests)
endif()
