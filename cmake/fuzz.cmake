# Fuzz build (clang, libFuzzer with address and undefined-behaviour sanitizers): one target per
# fuzz/*_fuzz.cpp over the portable code. `make fuzz` runs each for a while, `make test` over its
# seed corpus in fuzz/corpus/<target>/ only.
set(FUZZ_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

add_library(morovin_fuzz_portable STATIC ${PORTABLE_SOURCES})
target_include_directories(morovin_fuzz_portable PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_compile_options(morovin_fuzz_portable PUBLIC ${FUZZ_FLAGS} -fsanitize=fuzzer-no-link)
target_link_options(morovin_fuzz_portable PUBLIC ${FUZZ_FLAGS})

file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS fuzz/*_fuzz.cpp)
foreach(src ${FUZZ_SOURCES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE morovin_fuzz_portable)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endforeach()
