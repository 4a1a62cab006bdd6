# Registers a GoogleTest binary. Every test runs with the settings store in a folder of the
# build tree, so no test can reach a user's real settings even by mistake.
function(nuvra_add_gtest target)
    gtest_discover_tests(${target}
        NO_PRETTY_VALUES
        DISCOVERY_TIMEOUT 30
        PROPERTIES ENVIRONMENT "NUVRA_CONFIG_DIR=${CMAKE_BINARY_DIR}/test-config;QT_QPA_PLATFORM=offscreen")
endfunction()

# Registers a Qt Test binary of window tests, run on the offscreen platform.
function(nuvra_add_qt_test target)
    find_package(Qt6 REQUIRED COMPONENTS Test)
    add_executable(${target} ${ARGN})
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
    target_link_libraries(${target} PRIVATE Qt6::Test)
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;NUVRA_CONFIG_DIR=${CMAKE_BINARY_DIR}/test-config/${target}")
endfunction()
