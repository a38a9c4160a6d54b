# End-to-end tests: a driver program, run under Wine like the other tests, starts the real
# Brisvane.exe, uses it like a user and checks the registry and the files. Screenshots of the
# windows it visits go to e2e-shots/ in the build folder.
set(e2e_dir ${PROJECT_SOURCE_DIR}/tests/e2e)
add_executable(brisvane_e2e_driver ${e2e_dir}/Driver.cpp ${e2e_dir}/Scenarios.cpp
                                   ${e2e_dir}/OtherBrowsersScenario.cpp
                                   ${e2e_dir}/PoliciesScenario.cpp
                                   ${e2e_dir}/PreviewScenario.cpp
                                   ${PROJECT_SOURCE_DIR}/tests/windows/ShutdownFilesGuard.cpp
                                   ${PROJECT_SOURCE_DIR}/tests/windows/FileTree.cpp)
target_include_directories(brisvane_e2e_driver PRIVATE ${PROJECT_SOURCE_DIR}/tests/windows
                                                      ${PROJECT_SOURCE_DIR}/tests/shared)
target_compile_definitions(brisvane_e2e_driver
                           PRIVATE BRISVANE_FIXTURES="${PROJECT_SOURCE_DIR}/tests/fixtures")
target_link_libraries(brisvane_e2e_driver PRIVATE brisvane_app user32 gdi32 advapi32 comctl32)
add_dependencies(brisvane_e2e_driver Brisvane)

foreach(scenario start-tick-clean password-logon-tray other-browsers policies preview)
    add_test(NAME e2e.${scenario}
             COMMAND ${CMAKE_BINARY_DIR}/wine-run.sh $<TARGET_FILE:brisvane_e2e_driver> ${scenario}
                     $<TARGET_FILE:Brisvane> ${CMAKE_BINARY_DIR}/e2e)
    set_tests_properties(e2e.${scenario} PROPERTIES TIMEOUT 240 RUN_SERIAL TRUE)
endforeach()
