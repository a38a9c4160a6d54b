# Portable logic built by the host compiler, tested under AddressSanitizer and UBSan.
set(sanitizers -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
brisvane_layer_compile_options(${sanitizers})
target_link_options(brisvane_platform INTERFACE ${sanitizers})

file(GLOB native_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/native/*.cpp)
add_executable(brisvane_native_tests ${native_tests})
target_include_directories(brisvane_native_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/shared)
target_compile_options(brisvane_native_tests PRIVATE ${sanitizers})
target_link_libraries(brisvane_native_tests PRIVATE brisvane_app GTest::gtest_main)
gtest_discover_tests(brisvane_native_tests TEST_PREFIX "native.")
target_compile_definitions(brisvane_native_tests
                           PRIVATE BRISVANE_FIXTURES="${PROJECT_SOURCE_DIR}/tests/fixtures"
                                   BRISVANE_POLICIES="${PROJECT_SOURCE_DIR}/policies")
# The administrative template is checked with libxml2, the parser Debian ships.
find_package(LibXml2 REQUIRED)
target_link_libraries(brisvane_native_tests PRIVATE LibXml2::LibXml2)
