# Brisvane.dll, the history library: built beside Brisvane.exe, which loads it by its full path.
add_library(BrisvaneHistory SHARED ${CMAKE_CURRENT_LIST_DIR}/ClearHistory.cpp)
set_target_properties(BrisvaneHistory PROPERTIES OUTPUT_NAME Brisvane PREFIX "" IMPORT_PREFIX ""
                                                 IMPORT_SUFFIX ".dll.a")
target_link_libraries(BrisvaneHistory PRIVATE wininet urlmon ole32 uuid)
brisvane_split_debug_info(BrisvaneHistory)
add_dependencies(Brisvane BrisvaneHistory)
# The tests load the library from their own folder, as the program does.
add_dependencies(brisvane_windows_tests BrisvaneHistory)
