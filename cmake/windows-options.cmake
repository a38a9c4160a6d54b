# Options of the cross build, set before the layer libraries are declared.
enable_language(RC)

# Every test program runs under Wine through this wrapper, with the build folder's own prefix.
configure_file(${PROJECT_SOURCE_DIR}/tests/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)

set(BRISVANE_SYSTEM_LIBRARIES comctl32 shell32 advapi32 user32 gdi32 ole32 uuid version)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)

