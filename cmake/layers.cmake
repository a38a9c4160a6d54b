# One static library per folder of src/, named brisvane_<folder>. A folder's sources.cmake
# declares it with brisvane_layer(<folder> DEPENDS <lower folders> PORTABLE <files> WINDOWS
# <files> [INCLUDES <folders>] [LIBRARIES <system libraries>]). Its include root holds only its own folder (a link to src/<folder>); the folders it
# depends on come with their libraries. An include of a folder that is not below it therefore
# finds no file and the build fails. The portable files (no <windows.h>) build in every
# preset, the others only in the Windows one.
function(brisvane_layer folder)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "DEPENDS;PORTABLE;WINDOWS;INCLUDES;LIBRARIES")
    set(root ${CMAKE_BINARY_DIR}/layers/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} RESULT linked SYMBOLIC)
    if(NOT linked EQUAL 0)
        # Without symbolic links (Windows without developer mode) every layer sees all of
        # src/; the builds on Linux still hold the layers.
        message(STATUS "No link for ${folder}/ (${linked}): its layer is not checked here")
        set(root ${PROJECT_SOURCE_DIR}/src)
    endif()
    set(sources ${arg_PORTABLE})
    if(BRISVANE_TARGET STREQUAL "windows")
        list(APPEND sources ${arg_WINDOWS})
    endif()
    list(TRANSFORM sources PREPEND ${PROJECT_SOURCE_DIR}/src/${folder}/)
    list(TRANSFORM arg_DEPENDS PREPEND brisvane_)
    set(target brisvane_${folder})
    if(sources)
        add_library(${target} STATIC ${sources})
        set(scope PUBLIC)
        set_property(GLOBAL APPEND PROPERTY BRISVANE_COMPILED_LAYERS ${target})
    else()
        add_library(${target} INTERFACE)
        set(scope INTERFACE)
    endif()
    target_include_directories(${target} ${scope} ${root} ${arg_INCLUDES})
    target_link_libraries(${target} ${scope} ${arg_DEPENDS} ${arg_LIBRARIES})
endfunction()

# Compile options for every layer library that has sources (sanitizers, fuzzing).
function(brisvane_layer_compile_options)
    get_property(layers GLOBAL PROPERTY BRISVANE_COMPILED_LAYERS)
    foreach(layer ${layers})
        target_compile_options(${layer} PRIVATE ${ARGN})
    endforeach()
endfunction()
