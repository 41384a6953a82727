# mingw-w64 build: kestrel.exe, and the test executables that run under Wine.

set(KESTREL_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "Throwaway Wine prefix for tests")
configure_file(${CMAKE_SOURCE_DIR}/tests/wine_run.sh.in ${CMAKE_BINARY_DIR}/wine_run.sh
               @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
               GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine_run.sh)

# Everything static: Wine refuses an exe that needs the mingw runtime DLLs (c0000135).
set(KESTREL_STATIC_LINK -static -static-libgcc -static-libstdc++)
# Only what every start needs: the common dialogs and the shell are loaded when first used
# (platform/on_demand_calls.cpp).
set(KESTREL_SYSTEM_LIBS user32 gdi32 comctl32 advapi32)

# GoogleTest for Windows, compiled from Debian's sources with the cross compiler.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The Win32 layer, shared by the exe and its in-process tests.
file(GLOB KESTREL_WIN32_SOURCES CONFIGURE_DEPENDS
    framework/*.cpp platform/*.cpp view/*.cpp app/*.cpp dialogs/*.cpp)
list(FILTER KESTREL_WIN32_SOURCES EXCLUDE REGEX "/app/win_main\\.cpp$")
add_library(kestrel_win32 STATIC ${KESTREL_WIN32_SOURCES})
target_link_libraries(kestrel_win32 PUBLIC kestrel_core ${KESTREL_SYSTEM_LIBS})

add_executable(kestrel WIN32 app/win_main.cpp resources/kestrel.rc)
target_link_libraries(kestrel PRIVATE kestrel_win32)
# Stripped: the debugging sections would be part of the image, and Wine reads every section of
# the image into memory at each start (megabytes of memory, and time, for nothing the program
# uses). The test executables keep theirs.
target_link_options(kestrel PRIVATE ${KESTREL_STATIC_LINK} -mwindows -s)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    # Up to 4 GB of address space under 64-bit Windows, for the largest documents.
    target_link_options(kestrel PRIVATE -Wl,--large-address-aware)
endif()
set_source_files_properties(resources/kestrel.rc PROPERTIES
    OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/resources/kestrel.manifest;${CMAKE_SOURCE_DIR}/resources/kestrel.ico;${CMAKE_SOURCE_DIR}/resources/margin.cur;${CMAKE_SOURCE_DIR}/resources/resource_ids.h;${CMAKE_SOURCE_DIR}/resources/replace_dialog.rc")

# The core's own tests, cross-built: they check the 32-bit mingw build of the same code.
if(KESTREL_CORE_TESTS)
    add_executable(core_tests ${KESTREL_CORE_TESTS})
    target_link_libraries(core_tests PRIVATE kestrel_core gtest gtest_main)
    target_link_options(core_tests PRIVATE ${KESTREL_STATIC_LINK})
    add_test(NAME wine.core_tests COMMAND core_tests --gtest_brief=1)
endif()

# Window classes tested in-process against real windows on the test display.
file(GLOB KESTREL_WIN32_TESTS CONFIGURE_DEPENDS
    tests/framework/*_test.cpp tests/platform/*_test.cpp tests/view/*_test.cpp
    tests/app/*_test.cpp tests/dialogs/*_test.cpp)
if(KESTREL_WIN32_TESTS)
    # The tests' own dialog templates replace the program's resources in this executable; of
    # the program's, only the templates the dialog tests show are compiled in.
    add_executable(win32_tests ${KESTREL_WIN32_TESTS} tests/framework/win32_test_main.cpp
                   tests/framework/framework_test.rc)
    target_link_libraries(win32_tests PRIVATE kestrel_win32 gtest shlwapi)
    set_source_files_properties(tests/framework/framework_test.rc PROPERTIES OBJECT_DEPENDS
        "${CMAKE_SOURCE_DIR}/resources/replace_dialog.rc;${CMAKE_SOURCE_DIR}/resources/resource_ids.h")
    target_link_options(win32_tests PRIVATE ${KESTREL_STATIC_LINK})
    add_test(NAME wine.win32_tests COMMAND win32_tests --gtest_brief=1)
endif()

# End-to-end: the real exe driven by real keystrokes on the test display.
add_executable(observer tests/e2e/observer.cpp)
target_link_options(observer PRIVATE ${KESTREL_STATIC_LINK})
target_link_libraries(observer PRIVATE user32 advapi32 comctl32)

file(GLOB KESTREL_E2E_TESTS CONFIGURE_DEPENDS tests/e2e/*_e2e.sh)
foreach(script ${KESTREL_E2E_TESTS})
    get_filename_component(name ${script} NAME_WE)
    add_test(NAME e2e.${name} COMMAND bash ${script})
    set_tests_properties(e2e.${name} PROPERTIES
        ENVIRONMENT "KESTREL_BUILD=${CMAKE_BINARY_DIR};WINEPREFIX=${KESTREL_WINEPREFIX}"
        TIMEOUT 300 RESOURCE_LOCK display)
endforeach()

# The yardstick for the open benchmark under Wine (bench/wine_open.sh).
add_executable(minimal_open WIN32 bench/minimal_open.cpp platform/startup_clock.cpp)
target_include_directories(minimal_open PRIVATE ${CMAKE_SOURCE_DIR})
target_link_options(minimal_open PRIVATE ${KESTREL_STATIC_LINK})
