# A libFuzzer target and the replay of its seed corpus, from one fuzzer source that defines
# LLVMFuzzerTestOneInput:
#   nuvra_add_fuzzer(NAME <name> SOURCE <file> [<headers>...] LIBRARIES <targets...>
#                    CORPUS_DIR <folder>)
# Under clang the fuzzer itself is built as <name> (`make fuzz` runs it). With NUVRA_BUILD_TESTS
# every compiler builds <name>_replay, the same source with a plain main that feeds it each file
# of the corpus, so the debug and asan tests replay every seed.
set(NUVRA_FUZZ_REPLAY_MAIN ${CMAKE_CURRENT_LIST_DIR}/fuzz_replay_main.cpp)

function(nuvra_add_fuzzer)
    cmake_parse_arguments(PARSE_ARGV 0 FUZZ "" "NAME;CORPUS_DIR" "SOURCE;LIBRARIES")
    if(NOT FUZZ_NAME OR NOT FUZZ_SOURCE OR NOT FUZZ_CORPUS_DIR)
        message(FATAL_ERROR "nuvra_add_fuzzer needs NAME, SOURCE and CORPUS_DIR")
    endif()
    if(FUZZ_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "nuvra_add_fuzzer: unknown arguments ${FUZZ_UNPARSED_ARGUMENTS}")
    endif()
    if(NOT IS_ABSOLUTE ${FUZZ_CORPUS_DIR})
        set(FUZZ_CORPUS_DIR ${CMAKE_CURRENT_SOURCE_DIR}/${FUZZ_CORPUS_DIR})
    endif()

    if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        add_executable(${FUZZ_NAME} ${FUZZ_SOURCE})
        target_compile_options(${FUZZ_NAME} PRIVATE -fsanitize=fuzzer)
        target_link_options(${FUZZ_NAME} PRIVATE -fsanitize=fuzzer)
        target_link_libraries(${FUZZ_NAME} PRIVATE project_options ${FUZZ_LIBRARIES})
    endif()

    if(NUVRA_BUILD_TESTS)
        add_executable(${FUZZ_NAME}_replay ${FUZZ_SOURCE} ${NUVRA_FUZZ_REPLAY_MAIN})
        target_link_libraries(${FUZZ_NAME}_replay PRIVATE project_options ${FUZZ_LIBRARIES})
        add_test(NAME ${FUZZ_NAME}_replay COMMAND ${FUZZ_NAME}_replay ${FUZZ_CORPUS_DIR})
        set_tests_properties(${FUZZ_NAME}_replay PROPERTIES
            ENVIRONMENT "NUVRA_CONFIG_DIR=${CMAKE_BINARY_DIR}/test-config/${FUZZ_NAME}")
        if(TARGET ${FUZZ_NAME})
            # The libFuzzer build over the same seeds: every file once, no new inputs.
            add_test(NAME ${FUZZ_NAME}_corpus COMMAND ${FUZZ_NAME} -runs=0 ${FUZZ_CORPUS_DIR})
            set_tests_properties(${FUZZ_NAME}_corpus PROPERTIES
                ENVIRONMENT "NUVRA_CONFIG_DIR=${CMAKE_BINARY_DIR}/test-config/${FUZZ_NAME}")
        endif()
    endif()
endfunction()
