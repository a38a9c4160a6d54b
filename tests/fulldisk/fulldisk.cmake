# The full-disk test: tests/fulldisk/run.sh mounts a small tmpfs as drive X: of the test prefix
# and runs the FullDiskTest case of the Windows tests on it. Alone, as it changes the prefix.
if(CMAKE_HOST_UNIX)
    add_test(NAME fulldisk.rewrites-keep-originals
             COMMAND bash ${PROJECT_SOURCE_DIR}/tests/fulldisk/run.sh
                     $<TARGET_FILE:brisvane_windows_tests> ${CMAKE_BINARY_DIR})
    set_tests_properties(fulldisk.rewrites-keep-originals PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
endif()
