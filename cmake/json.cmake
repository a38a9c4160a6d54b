# JSON (the browsers' `Local State` and `Bookmarks`) through Debian's header-only
# nlohmann-json3-dev. Its headers live among the host's own in /usr/include, which a cross
# build must not search, so only the library's folder is copied into the build folder.
find_path(NLOHMANN_JSON_INCLUDE_DIR nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH
          REQUIRED)
file(COPY ${NLOHMANN_JSON_INCLUDE_DIR}/nlohmann DESTINATION ${CMAKE_BINARY_DIR}/json)
set(BRISVANE_JSON_INCLUDE_DIR ${CMAKE_BINARY_DIR}/json)
