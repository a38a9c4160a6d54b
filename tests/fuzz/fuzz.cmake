# libFuzzer targets for the parsers of what other programs write or the user can change,
# built by clang with AddressSanitizer and UBSan (the "fuzz" preset) and run by
# tests/fuzz/run.sh. A target is tests/fuzz/<name>.cpp with its seed corpus in
# tests/fuzz/seeds/<name>/; a new parser's target is one more line in this list.
set(fuzz_targets
    RegistryValueFuzz  # registry value data of any type, and writing it back
    FlagTextFuzz       # stored flag texts
    ReportNameFuzz     # file names in the Reports folder
    CommandLineFuzz    # the program's command line
    ProfileScanFuzz    # the browser's profile registry file
    CookieLinesFuzz    # cookies.txt: classification, listing and rewrite
    LocalStoreFuzz     # localstore.rdf: the typed-address filter
    ShutdownTextFuzz   # the uninstall log and the folders the shut-down scripts name
    ChromiumLocalStateFuzz  # a Chromium-family browser's profile list (Local State)
    ChromiumBookmarksFuzz   # a Chromium-family profile's Bookmarks
    SiteKeepListFuzz        # the site keep rule of the browsers' cookies
)

set(fuzz_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
brisvane_layer_compile_options(-fsanitize=fuzzer-no-link ${fuzz_sanitizers})
foreach(name ${fuzz_targets})
    add_executable(${name} ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer ${fuzz_sanitizers})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer ${fuzz_sanitizers})
    target_link_libraries(${name} PRIVATE brisvane_app)
endforeach()
# The list for run.sh.
string(REPLACE ";" "\n" fuzz_target_lines "${fuzz_targets}")
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/fuzz-targets.txt CONTENT "${fuzz_target_lines}\n")
