# The product (Brisvane.exe) and its Windows tests, cross-built with mingw-w64.
enable_language(RC)

# Every test program runs under Wine through this wrapper, with the build folder's own prefix.
configure_file(${PROJECT_SOURCE_DIR}/tests/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)

set(win_libs comctl32 shell32 advapi32 user32 gdi32 ole32 uuid version bcrypt crypt32)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)

add_library(brisvane_core STATIC ${BRISVANE_WINDOWS_SOURCES})
target_link_libraries(brisvane_core PUBLIC brisvane_portable ${win_libs})

# Dialog templates, icons, manifest and version information.
set(rc_includes -I${PROJECT_SOURCE_DIR}/src -I${CMAKE_BINARY_DIR}/generated)
add_library(brisvane_resources OBJECT ${PROJECT_SOURCE_DIR}/src/res/Brisvane.rc)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${PROJECT_SOURCE_DIR}/src -I${CMAKE_BINARY_DIR}/generated")

add_executable(Brisvane WIN32 ${PROJECT_SOURCE_DIR}/src/app/WinMain.cpp
                              $<TARGET_OBJECTS:brisvane_resources>)
target_link_libraries(Brisvane PRIVATE brisvane_core)

file(GLOB windows_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/windows/*.cpp)
add_executable(brisvane_windows_tests ${windows_tests} $<TARGET_OBJECTS:brisvane_resources>)
target_include_directories(brisvane_windows_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/windows)
target_link_libraries(brisvane_windows_tests PRIVATE brisvane_core GTest::gtest)
gtest_discover_tests(brisvane_windows_tests TEST_PREFIX "windows." DISCOVERY_MODE PRE_TEST
                     DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)

include(${PROJECT_SOURCE_DIR}/src/history/history.cmake)
include(${PROJECT_SOURCE_DIR}/tests/e2e/e2e.cmake OPTIONAL)
include(${PROJECT_SOURCE_DIR}/bench/bench.cmake OPTIONAL)
include(${PROJECT_SOURCE_DIR}/installer/installer.cmake OPTIONAL)
include(${PROJECT_SOURCE_DIR}/tests/helpers/helpers.cmake OPTIONAL)
include(${PROJECT_SOURCE_DIR}/tests/fulldisk/fulldisk.cmake)
