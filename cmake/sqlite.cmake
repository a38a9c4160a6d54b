# SQLite, compiled in from its amalgamation (sqlite3.c, sqlite3.h). The files come from the
# npm package better-sqlite3, which ships the amalgamation of SQLite 3.53.2 in deps/sqlite3/:
# `npm pack` fetches the package's tarball into the build folder without building anything,
# its sha512 is checked against the value pinned here, and
# the two files are extracted beside it. Nothing of it is part of the source tree. A build
# folder that already holds the checked tarball and the extracted files fetches nothing.
set(sqlite_package better-sqlite3@12.11.1)
# npm's "integrity" of that version, sha512-dq9AtApgg5PGFtBzPFSBl3HZQjHok5gaQCM6zh2Yk0aSmDCs1Cb
# nVI8/HgASQkNKsWFpseIO9beg5xxpYhbIfA==, as the hex digest that CMake computes.
set(sqlite_sha512
    "76af40b40a608393c616d0733c54819771d94231e893981a40233ace1d989346929830acd426e7548f3f1e001242434ab16169b1e20ef5b7a0e71c696216c87c")
set(sqlite_dir ${CMAKE_BINARY_DIR}/sqlite)
set(sqlite_tarball ${sqlite_dir}/better-sqlite3-12.11.1.tgz)

function(sqlite_tarball_checked out)
    set(${out} FALSE PARENT_SCOPE)
    if(EXISTS ${sqlite_tarball})
        file(SHA512 ${sqlite_tarball} digest)
        if(digest STREQUAL sqlite_sha512)
            set(${out} TRUE PARENT_SCOPE)
        endif()
    endif()
endfunction()

sqlite_tarball_checked(sqlite_ok)
if(NOT sqlite_ok)
    find_program(NPM_EXECUTABLE npm REQUIRED)
    file(REMOVE_RECURSE ${sqlite_dir})
    file(MAKE_DIRECTORY ${sqlite_dir})
    message(STATUS "Fetching ${sqlite_package} for the SQLite amalgamation")
    execute_process(COMMAND ${NPM_EXECUTABLE} pack ${sqlite_package} --silent
                    WORKING_DIRECTORY ${sqlite_dir} RESULT_VARIABLE npm_result OUTPUT_QUIET)
    sqlite_tarball_checked(sqlite_ok)
    if(NOT npm_result EQUAL 0 OR NOT sqlite_ok)
        file(REMOVE ${sqlite_tarball})
        message(FATAL_ERROR "${sqlite_package}: the fetch failed or its sha512 is not "
                            "${sqlite_sha512}")
    endif()
endif()
if(NOT EXISTS ${sqlite_dir}/sqlite3.c OR NOT EXISTS ${sqlite_dir}/sqlite3.h)
    file(ARCHIVE_EXTRACT INPUT ${sqlite_tarball} DESTINATION ${sqlite_dir}/package-files
         PATTERNS package/deps/sqlite3/sqlite3.c package/deps/sqlite3/sqlite3.h)
    foreach(name sqlite3.c sqlite3.h)
        file(RENAME ${sqlite_dir}/package-files/package/deps/sqlite3/${name} ${sqlite_dir}/${name})
    endforeach()
    file(REMOVE_RECURSE ${sqlite_dir}/package-files)
endif()

# SQLite's own code is compiled as it is, without the project's warnings and for size, as its
# authors suggest (the benchmarks compare against the same build); what it offers beyond
# reading and writing local databases is left out.
add_library(brisvane_sqlite3 STATIC ${sqlite_dir}/sqlite3.c)
target_compile_options(brisvane_sqlite3 PRIVATE -w -Os)
target_compile_definitions(brisvane_sqlite3 PRIVATE
    SQLITE_OMIT_LOAD_EXTENSION
    SQLITE_DEFAULT_FOREIGN_KEYS=0
    SQLITE_THREADSAFE=2
    SQLITE_DQS=0
    SQLITE_DEFAULT_MEMSTATUS=0
    SQLITE_OMIT_DEPRECATED
    SQLITE_OMIT_SHARED_CACHE
    SQLITE_WIN32_NO_ANSI
)
set_target_properties(brisvane_sqlite3 PROPERTIES C_STANDARD 11 C_EXTENSIONS ON)
if(NOT WIN32)
    target_link_libraries(brisvane_sqlite3 PRIVATE m)
endif()
