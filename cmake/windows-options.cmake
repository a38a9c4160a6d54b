# Options of the cross build, set before the layer libraries are declared.
enable_language(RC)

# Every test program runs under Wine through this wrapper, with the build folder's own prefix.
configure_file(${PROJECT_SOURCE_DIR}/tests/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)

set(BRISVANE_SYSTEM_LIBRARIES comctl32 shell32 advapi32 user32 gdi32 ole32 uuid version bcrypt shlwapi comdlg32
                              crypt32)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)

# Brisvane.exe and Brisvane.dll ship without debug information. Each build of `target` moves it
# to <file>.debug beside the file (for crash analysis), strips the file and names the .debug
# file in it (.gnu_debuglink), so that a debugger that finds both reads the symbols again.
function(brisvane_split_debug_info target)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE_NAME:${target}>
                $<TARGET_FILE_NAME:${target}>.debug
        COMMAND ${CMAKE_OBJCOPY} --strip-all
                --add-gnu-debuglink=$<TARGET_FILE_NAME:${target}>.debug
                $<TARGET_FILE_NAME:${target}>
        WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
        COMMENT "Moving the debug information of ${target} to its .debug file"
        VERBATIM)
endfunction()
