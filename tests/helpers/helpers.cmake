# Small programs the tests start: a stand-in browser that records its arguments, used by the
# e2e scenario of the browsers and the link labels.
set(helpers_dir ${PROJECT_SOURCE_DIR}/tests/helpers)
add_executable(brisvane_recording_browser ${helpers_dir}/RecordingBrowser.cpp)

if(TARGET brisvane_e2e_driver)
    target_sources(brisvane_e2e_driver PRIVATE ${PROJECT_SOURCE_DIR}/tests/e2e/BrowserScenario.cpp)
    target_compile_definitions(brisvane_e2e_driver PRIVATE
        BRISVANE_RECORDING_BROWSER="$<TARGET_FILE:brisvane_recording_browser>")
    add_dependencies(brisvane_e2e_driver brisvane_recording_browser)
    add_test(NAME e2e.browsers
             COMMAND ${CMAKE_BINARY_DIR}/wine-run.sh $<TARGET_FILE:brisvane_e2e_driver> browsers
                     $<TARGET_FILE:Brisvane> ${CMAKE_BINARY_DIR}/e2e)
    set_tests_properties(e2e.browsers PROPERTIES TIMEOUT 240 RUN_SERIAL TRUE)
endif()
