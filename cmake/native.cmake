# Native build: core unit tests, fuzz targets and benchmarks.
include(GoogleTest)

if(KESTREL_LIBFUZZER)
    # A clang tree that builds only the fuzz targets, driven by libFuzzer itself.
    foreach(src ${KESTREL_FUZZ_TARGETS})
        get_filename_component(name ${src} NAME_WE)
        add_executable(${name} ${src})
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
        target_link_libraries(${name} PRIVATE kestrel_core)
    endforeach()
    return()
endif()

find_package(GTest REQUIRED)
find_package(Threads REQUIRED)

if(KESTREL_CORE_TESTS)
    add_executable(core_tests ${KESTREL_CORE_TESTS})
    target_link_libraries(core_tests PRIVATE kestrel_core GTest::gtest GTest::gtest_main
                          Threads::Threads)
    gtest_discover_tests(core_tests DISCOVERY_TIMEOUT 60)
endif()

# The README's table of default keys is made from the program's own tables by this tool; the
# test fails when the README and the tables differ.
add_executable(key_table_doc tools/key_table_doc.cpp)
target_link_libraries(key_table_doc PRIVATE kestrel_core)
add_test(NAME readme.key_table
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/tools/key_table_doc_test.sh
                 $<TARGET_FILE:key_table_doc> ${CMAKE_SOURCE_DIR}/README.md)
# How kestrel.sh reads its command line; needs no Wine.
add_test(NAME launcher.paths COMMAND bash ${CMAKE_SOURCE_DIR}/tests/scripts/launcher_test.sh)

# Under g++ the fuzz targets are linked with a replay driver: they run their seed inputs and
# a bounded stream of generated ones as ordinary tests, under the sanitizers.
foreach(src ${KESTREL_FUZZ_TARGETS})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src} fuzz/replay_main.cpp)
    target_link_libraries(${name} PRIVATE kestrel_core)
    add_test(NAME fuzz_replay.${name} COMMAND ${name} --iterations 20000)
endforeach()

find_package(benchmark QUIET)
file(GLOB KESTREL_BENCHMARKS CONFIGURE_DEPENDS bench/*_bench.cpp)
if(benchmark_FOUND AND KESTREL_BENCHMARKS)
    foreach(src ${KESTREL_BENCHMARKS})
        get_filename_component(name ${src} NAME_WE)
        add_executable(${name} ${src})
        target_link_libraries(${name} PRIVATE kestrel_core benchmark::benchmark)
    endforeach()
endif()
