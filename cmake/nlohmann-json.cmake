# SPDX-License-Identifier: MIT
# nlohmann-json is header-only, so every target, the cross-built ones too,
# takes the same headers from the build machine's package. They are copied
# into a folder of their own: the whole of /usr/include would hide the cross
# compilers' own C libraries.
find_path(PALI_NLOHMANN_JSON_INCLUDE nlohmann/json.hpp
  PATHS /usr/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
file(COPY ${PALI_NLOHMANN_JSON_INCLUDE}/nlohmann DESTINATION ${PROJECT_BINARY_DIR}/nlohmann-json)
add_library(pali_json INTERFACE)
target_include_directories(pali_json SYSTEM INTERFACE ${PROJECT_BINARY_DIR}/nlohmann-json)
