# Registers a GoogleTest binary. Every test runs with the settings store in a folder of the
# build tree, so no test can reach a user's real settings even by mistake.
function(nuvra_add_gtest target)
    gtest_discover_tests(${target}
        NO_PRETTY_VALUES
        DISCOVERY_TIMEOUT 30
        PROPERTIES ENVIRONMENT "NUVRA_CONFIG_DIR=${CMAKE_BINARY_DIR}/test-config;QT_QPA_PLATFORM=offscreen")
endfunction()
