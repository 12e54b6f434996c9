# Host build: the portable code and its unit tests, with address and undefined-behaviour sanitizers.
find_package(GTest REQUIRED)

set(SANITIZERS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)

add_library(morovin_portable STATIC ${PORTABLE_SOURCES})
target_include_directories(morovin_portable PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_compile_options(morovin_portable PUBLIC ${SANITIZERS})
target_link_options(morovin_portable PUBLIC ${SANITIZERS})

file(GLOB UNIT_TEST_SOURCES CONFIGURE_DEPENDS tests/unit/*.cpp)
add_executable(unit_tests ${UNIT_TEST_SOURCES})
target_link_libraries(unit_tests PRIVATE morovin_portable GTest::gtest_main)
add_test(NAME unit COMMAND unit_tests --gtest_brief=1)

# Benchmarks are built, not run by the tests: bench/*.cpp natively, bench/*_win.cpp for Windows.
file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS bench/*.cpp)
list(FILTER BENCH_SOURCES EXCLUDE REGEX "_win\\.cpp$")
if(BENCH_SOURCES)
    find_package(benchmark QUIET)
    if(benchmark_FOUND)
        foreach(src ${BENCH_SOURCES})
            get_filename_component(name ${src} NAME_WE)
            add_executable(${name} ${src})
            target_link_libraries(${name} PRIVATE morovin_portable benchmark::benchmark_main)
        endforeach()
    endif()
endif()
