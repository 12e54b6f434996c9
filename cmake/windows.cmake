# Cross build for x86_64 Windows: Morovin.exe, the Windows-side tests and the end-to-end tests.
# Tests run under Wine through CMAKE_CROSSCOMPILING_EMULATOR (scripts/wine-run).
enable_language(RC)

set(WIN32_LIBS user32 gdi32 shell32 winmm comdlg32 comctl32 advapi32 psapi wtsapi32)

# Libraries only a dialog or the sound needs are delay-loaded: the clock maps them the first time
# it opens a picker or plays a sound, not at start (ui::RequireLibrary checks they load before
# the first call). Each cmake/delayload/<dll>.def lists the functions the program may call there;
# a call to one that is not listed falls back to the normal import and maps the library at start.
set(MOROVIN_DELAY_LOADED comctl32 comdlg32 winmm)
set(MOROVIN_DELAY_LIBS)
foreach(dll ${MOROVIN_DELAY_LOADED})
    set(def ${PROJECT_SOURCE_DIR}/cmake/delayload/${dll}.def)
    set(lib ${CMAKE_BINARY_DIR}/delayload/libdelay_${dll}.a)
    add_custom_command(OUTPUT ${lib}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delayload
        COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --dllname ${dll}.dll --output-delaylib ${lib}
        DEPENDS ${def})
    list(APPEND MOROVIN_DELAY_LIBS ${lib})
endforeach()
add_custom_target(morovin_delay_libs DEPENDS ${MOROVIN_DELAY_LIBS})
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)

file(GLOB_RECURSE WIN_SOURCES CONFIGURE_DEPENDS
     src/base/*_win.cpp src/widgets/*_win.cpp src/clock/*_win.cpp src/clockwindow/*_win.cpp
     src/ui/*.cpp src/dialogs/*.cpp src/app/*.cpp)
list(FILTER WIN_SOURCES EXCLUDE REGEX "src/app/Main\\.cpp$")

add_library(morovin_core STATIC ${PORTABLE_SOURCES} ${WIN_SOURCES})
target_include_directories(morovin_core PUBLIC ${PROJECT_SOURCE_DIR}/src)
add_dependencies(morovin_core morovin_delay_libs)
target_link_libraries(morovin_core PUBLIC ${MOROVIN_DELAY_LIBS} ${WIN32_LIBS} delayimp)
target_link_options(morovin_core PUBLIC -static)

# The program icon is drawn as text in resources/MAINICON.txt and turned into an .ico by a host tool
# (named as the host names programs, or the build would not find it and redo the icon every time).
# The resources are compiled once, into an object library that the program and the tests share.
set(ICONGEN ${CMAKE_BINARY_DIR}/icongen${CMAKE_HOST_EXECUTABLE_SUFFIX})
add_custom_command(OUTPUT ${ICONGEN}
    COMMAND c++ -std=c++20 -O1 -o ${ICONGEN} ${PROJECT_SOURCE_DIR}/tools/icongen.cpp
    DEPENDS ${PROJECT_SOURCE_DIR}/tools/icongen.cpp)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/MAINICON.ico
    COMMAND ${ICONGEN} ${PROJECT_SOURCE_DIR}/resources/MAINICON.txt ${CMAKE_BINARY_DIR}/MAINICON.ico
    DEPENDS ${ICONGEN} ${PROJECT_SOURCE_DIR}/resources/MAINICON.txt)
add_custom_target(morovin_icon DEPENDS ${CMAKE_BINARY_DIR}/MAINICON.ico)
# The version from project(): a header for the version resource, the manifest's version, and the
# About box's text.
set(MOROVIN_GENERATED ${CMAKE_BINARY_DIR}/generated)
configure_file(resources/Version.h.in ${MOROVIN_GENERATED}/Version.h @ONLY)
configure_file(resources/Morovin.manifest ${MOROVIN_GENERATED}/Morovin.manifest @ONLY)
set_source_files_properties(src/dialogs/AboutBox.cpp PROPERTIES
    COMPILE_DEFINITIONS "MOROVIN_VERSION_TEXT=\"${PROJECT_VERSION}\"")
set_source_files_properties(resources/Morovin.rc PROPERTIES
    OBJECT_DEPENDS "${CMAKE_BINARY_DIR}/MAINICON.ico;${MOROVIN_GENERATED}/Morovin.manifest;${MOROVIN_GENERATED}/Version.h")
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${MOROVIN_GENERATED} -I${CMAKE_BINARY_DIR} -I${PROJECT_SOURCE_DIR}/resources")
# windres is not given the C++ options (it would choke on -fexec-charset).
set(CMAKE_RC_COMPILE_OBJECT "<CMAKE_RC_COMPILER> <DEFINES> <INCLUDES> ${CMAKE_RC_FLAGS} -O coff <SOURCE> <OBJECT>")
add_library(morovin_resources OBJECT resources/Morovin.rc)
add_dependencies(morovin_resources morovin_icon)

add_executable(Morovin WIN32 src/app/Main.cpp $<TARGET_OBJECTS:morovin_resources>)
target_link_libraries(Morovin PRIVATE morovin_core)
# The release program carries no symbols, and no link time either: the same sources give the same
# bytes (make dist, scripts/check-reproducible).
target_link_options(Morovin PRIVATE $<$<CONFIG:Release>:-s> -Wl,--no-insert-timestamp)

# Starts a Morovin.exe, waits for its clock window and closes it: make dist runs it on the zip's.
add_executable(startcheck tools/startcheck_win.cpp)
target_link_libraries(startcheck PRIVATE user32)
target_link_options(startcheck PRIVATE -static)

# The tests need GoogleTest: the sources of Debian's package, cross-built here with the
# posix-thread compilers, or an installed GoogleTest for Windows (MSYS2's mingw-w64-*-gtest).
# Without either the program alone is built.
option(MOROVIN_TESTS "Build the Windows-side and end-to-end tests when GoogleTest is found" ON)
set(MOROVIN_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources to build the tests with")
set(MOROVIN_HAVE_GTEST OFF)
if(MOROVIN_TESTS AND EXISTS ${MOROVIN_GTEST_SOURCE_DIR}/CMakeLists.txt)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(${MOROVIN_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    foreach(t gtest gtest_main)
        target_compile_options(${t} PRIVATE -w -fexec-charset=UTF-8)
    endforeach()
    set(GTEST_LIB gtest)
    set(GTEST_MAIN_LIB gtest_main)
    set(MOROVIN_HAVE_GTEST ON)
elseif(MOROVIN_TESTS)
    find_package(GTest QUIET)
    if(GTest_FOUND)
        set(GTEST_LIB GTest::gtest)
        set(GTEST_MAIN_LIB GTest::gtest_main)
        set(MOROVIN_HAVE_GTEST ON)
    endif()
endif()

if(MOROVIN_HAVE_GTEST)
    set(WINE_TEST_ENV "MOROVIN_EXE=$<TARGET_FILE:Morovin>")

    # What both levels share (tests/support, included as "support/..."): scratch folders and file bytes,
    # window lookup, screen shots, the stand-in windows of other programs, scripts for modal loops, a
    # real mouse drag, test waves, and the driver of the real program with its tray menu. Built once;
    # it holds no product code.
    file(GLOB TEST_SUPPORT_SOURCES CONFIGURE_DEPENDS tests/support/*.cpp)
    add_library(test_support STATIC ${TEST_SUPPORT_SOURCES})
    target_include_directories(test_support PUBLIC ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(test_support PUBLIC ${GTEST_LIB} ${WIN32_LIBS})
    target_link_options(test_support PUBLIC -static)

    # Every test program is per-monitor DPI aware from its start (tests/PerMonitorAware.cpp), so
    # it sees physical pixels at any DPI where the platform honours awareness.
    add_library(test_dpi_aware OBJECT tests/PerMonitorAware.cpp)

    file(GLOB WIN_TEST_SOURCES CONFIGURE_DEPENDS tests/win/*.cpp)
    add_executable(win_tests ${WIN_TEST_SOURCES} $<TARGET_OBJECTS:morovin_resources>
                   $<TARGET_OBJECTS:test_dpi_aware>)
    target_link_libraries(win_tests PRIVATE morovin_core test_support ${GTEST_MAIN_LIB})
    target_compile_definitions(win_tests PRIVATE MOROVIN_DELAY_DEF_DIR="${PROJECT_SOURCE_DIR}/cmake/delayload")
    add_test(NAME win COMMAND win_tests --gtest_brief=1)

    # End-to-end: each test file is one executable that drives the real Morovin.exe.
    file(GLOB E2E_SOURCES CONFIGURE_DEPENDS tests/e2e/*_test.cpp)
    foreach(src ${E2E_SOURCES})
        get_filename_component(name ${src} NAME_WE)
        add_executable(e2e_${name} ${src} $<TARGET_OBJECTS:test_dpi_aware>)
        target_link_libraries(e2e_${name} PRIVATE test_support ${GTEST_MAIN_LIB})
        add_dependencies(e2e_${name} Morovin)
        add_test(NAME e2e_${name} COMMAND e2e_${name} --gtest_brief=1)
        # Every end-to-end test owns the screen while it runs.
        set_tests_properties(e2e_${name} PROPERTIES RUN_SERIAL TRUE ENVIRONMENT "${WINE_TEST_ENV}" TIMEOUT 180)
    endforeach()
    # The Windows-side tests paint and capture the screen too: they never share it with the e2e tests.
    set_tests_properties(win PROPERTIES RUN_SERIAL TRUE ENVIRONMENT "${WINE_TEST_ENV}" TIMEOUT 400)
else()
    message(STATUS "Morovin: no GoogleTest (or MOROVIN_TESTS is off): the program is built without its tests")
endif()

# Windows benchmarks: plain programs that print their measurements (run them under Wine by hand).
file(GLOB WIN_BENCH_SOURCES CONFIGURE_DEPENDS bench/*_win.cpp)
foreach(src ${WIN_BENCH_SOURCES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE morovin_core)
endforeach()
# The bare-window baseline of bench/idle_cost.sh is a GUI program, as Morovin is.
set_target_properties(bare_window_win PROPERTIES WIN32_EXECUTABLE ON)
