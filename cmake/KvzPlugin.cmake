# kvz_add_plugin(<target> <core library> <exports source> [OUTPUT_DIR dir])
# A plug-in is a module named without a "lib" prefix that exports only its
# four entry points and resolves every symbol at link time.
function(kvz_add_plugin target core exports)
    cmake_parse_arguments(ARG "" "OUTPUT_DIR" "" ${ARGN})
    add_library(${target} MODULE ${exports})
    target_link_libraries(${target} PRIVATE ${core})
    set_target_properties(${target} PROPERTIES PREFIX "")
    target_link_options(${target} PRIVATE -Wl,--no-undefined)
    if(ARG_OUTPUT_DIR)
        set_target_properties(${target} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${ARG_OUTPUT_DIR})
    endif()
endfunction()

# kvz_add_test(<name> SOURCES ... LIBS ...)
# A Qt Test program run by CTest headless, with its own empty home, so no
# test touches the machine's settings store.
function(kvz_add_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt5::Test ${ARG_LIBS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KVZ_TEST_BIN_DIR})
    target_compile_definitions(${name} PRIVATE
        KVZ_BIN_DIR="${KVZ_BIN_DIR}"
        KVZ_TEST_PLUGIN_DIR="${KVZ_TEST_PLUGIN_DIR}"
        KVZ_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    set(home ${CMAKE_BINARY_DIR}/testhome/${name})
    file(MAKE_DIRECTORY ${home}/config)
    add_test(NAME ${name} COMMAND ${name})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT} ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_CONFIG_HOME=${home}/config")
endfunction()
