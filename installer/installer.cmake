# The installer build/windows/Brisvane-<version>-setup.exe, made by makensis from Brisvane.nsi
# with the project's version. Built with the rest (target "installer") when makensis is there.
#
# Brisvane.dll (target BrisvaneHistory) always goes into the installer: without its target
# the build fails instead of leaving the library out.
set(installer_requires_dll ON)
set(installer_dll_target BrisvaneHistory)

find_program(MAKENSIS makensis)
set(installer_dir ${PROJECT_SOURCE_DIR}/installer)
set(installer_setup ${CMAKE_BINARY_DIR}/Brisvane-${PROJECT_VERSION}-setup.exe)
# The same installer with the uninstaller taking the 9x-family branch, for the tests.
set(installer_setup_9x ${CMAKE_BINARY_DIR}/installer-test/Brisvane-9x-family-test-setup.exe)

# UserGuideFiles.nsh: the File lines of the user guide pages and the Delete lines that remove
# exactly those pages.
function(brisvane_write_user_guide_list output)
    file(GLOB pages CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/userguide/*.htm)
    set(install "")
    set(uninstall "")
    foreach(page ${pages})
        get_filename_component(name ${page} NAME)
        string(APPEND install "    File \"/oname=${name}\" \"${page}\"\n")
        string(APPEND uninstall "    Delete \"$INSTDIR\\UserGuide\\${name}\"\n")
    endforeach()
    file(CONFIGURE OUTPUT ${output} CONTENT
         "!macro InstallUserGuide\n${install}!macroend\n!macro UninstallUserGuide\n${uninstall}!macroend\n")
    set(user_guide_pages ${pages} PARENT_SCOPE)
endfunction()

function(brisvane_add_installer_command output)
    set(guide_list ${CMAKE_BINARY_DIR}/installer/UserGuideFiles.nsh)
    brisvane_write_user_guide_list(${guide_list})
    set(dll_options "")
    set(dll_depends "")
    set(has_dll 0)
    if(TARGET ${installer_dll_target})
        set(dll_options -DBRISVANE_DLL=$<TARGET_FILE:${installer_dll_target}>)
        set(dll_depends ${installer_dll_target})
        set(has_dll 1)
    elseif(installer_requires_dll)
        message(FATAL_ERROR "The installer needs the target ${installer_dll_target}")
    endif()
    get_filename_component(output_dir ${output} DIRECTORY)
    file(GLOB nsis_sources CONFIGURE_DEPENDS ${installer_dir}/*.nsi ${installer_dir}/*.nsh)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${output_dir}
        COMMAND ${MAKENSIS} -V2 -WX -DVERSION=${PROJECT_VERSION} -DOUTFILE=${output}
                -DBRISVANE_EXE=$<TARGET_FILE:Brisvane> -DGUIDE_FILES=${guide_list}
                -DICON=${PROJECT_SOURCE_DIR}/src/res/Brisvane.ico
                -DPOLICIES=${PROJECT_SOURCE_DIR}/policies ${dll_options} ${ARGN}
                ${installer_dir}/Brisvane.nsi
        DEPENDS Brisvane ${dll_depends} ${nsis_sources} ${user_guide_pages} ${guide_list}
                ${PROJECT_SOURCE_DIR}/policies/Brisvane.admx
                ${PROJECT_SOURCE_DIR}/policies/en-US/Brisvane.adml
        COMMENT "Building ${output}"
        VERBATIM)
    set(installer_has_dll ${has_dll} PARENT_SCOPE)
endfunction()

# Run at the end of the configuration, when every target (Brisvane.dll's too) is defined.
function(brisvane_add_installer)
    if(NOT MAKENSIS)
        message(STATUS "makensis not found: the installer is not built")
        return()
    endif()
    brisvane_add_installer_command(${installer_setup})
    brisvane_add_installer_command(${installer_setup_9x} -DTEST_AS_9X_FAMILY)
    add_custom_target(installer ALL DEPENDS ${installer_setup} ${installer_setup_9x})
    if(NOT CMAKE_HOST_UNIX)
        return()  # the test runs the installer under Wine
    endif()
    add_test(NAME installer.install-upgrade-uninstall
             COMMAND bash ${PROJECT_SOURCE_DIR}/tests/installer/run.sh ${installer_setup}
                     ${installer_setup_9x} ${CMAKE_BINARY_DIR}/installprefix ${installer_has_dll})
    set_tests_properties(installer.install-upgrade-uninstall PROPERTIES TIMEOUT 900 RUN_SERIAL TRUE)
endfunction()

cmake_language(DEFER CALL brisvane_add_installer)
