# The product (Brisvane.exe) and its Windows tests, cross-built with mingw-w64.
# Dialog templates, icons, manifest and version information.
set(rc_includes -I${PROJECT_SOURCE_DIR}/src -I${CMAKE_BINARY_DIR}/generated)
add_library(brisvane_resources OBJECT ${PROJECT_SOURCE_DIR}/src/res/Brisvane.rc)
# The Makefile generator does not scan what a resource script includes: every window's template
# and ids, and the files the resources name, rebuild it.
file(GLOB rc_parts CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/*/*.rc
     ${PROJECT_SOURCE_DIR}/src/*/*Ids.h ${PROJECT_SOURCE_DIR}/src/res/*)
set_source_files_properties(${PROJECT_SOURCE_DIR}/src/res/Brisvane.rc PROPERTIES
                            OBJECT_DEPENDS "${rc_parts}")
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${PROJECT_SOURCE_DIR}/src -I${CMAKE_BINARY_DIR}/generated")

add_executable(Brisvane WIN32 ${PROJECT_SOURCE_DIR}/src/app/WinMain.cpp
                              $<TARGET_OBJECTS:brisvane_resources>)
target_link_libraries(Brisvane PRIVATE brisvane_app)
brisvane_split_debug_info(Brisvane)

file(GLOB windows_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/windows/*.cpp)
add_executable(brisvane_windows_tests ${windows_tests} $<TARGET_OBJECTS:brisvane_resources>)
target_include_directories(brisvane_windows_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/windows
                                                         ${PROJECT_SOURCE_DIR}/tests/shared)
target_compile_definitions(brisvane_windows_tests
                           PRIVATE BRISVANE_FIXTURES="${PROJECT_SOURCE_DIR}/tests/fixtures")
target_link_libraries(brisvane_windows_tests PRIVATE brisvane_app GTest::gtest)
gtest_discover_tests(brisvane_windows_tests TEST_PREFIX "windows." DISCOVERY_MODE PRE_TEST
                     DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)

include(${PROJECT_SOURCE_DIR}/src/history/history.cmake)
include(${PROJECT_SOURCE_DIR}/tests/e2e/e2e.cmake OPTIONAL)
include(${PROJECT_SOURCE_DIR}/bench/bench.cmake OPTIONAL)
include(${PROJECT_SOURCE_DIR}/installer/installer.cmake OPTIONAL)
include(${PROJECT_SOURCE_DIR}/tests/helpers/helpers.cmake OPTIONAL)
include(${PROJECT_SOURCE_DIR}/tests/fulldisk/fulldisk.cmake)
