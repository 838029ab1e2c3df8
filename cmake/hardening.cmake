# SPDX-License-Identifier: MIT
# The protections every Debian package carries, for every target of the
# build: the flags of dpkg-buildflags with all hardening features on (stack
# protector, _FORTIFY_SOURCE, format checks, full RELRO with immediate
# binding; GCC makes position-independent executables by default), and the
# two that Debian 12's dpkg does not add yet: stack clash protection and the
# processor's control-flow protection. The source and build folders are
# mapped away in debug information and file names, so that two builds of one
# commit in different folders give the same bytes.

find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)

function(pali_dpkg_buildflags kind out)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${DPKG_BUILDFLAGS} --get ${kind}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    OUTPUT_VARIABLE flags
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

pali_dpkg_buildflags(CPPFLAGS hardening_cppflags)
pali_dpkg_buildflags(CXXFLAGS hardening_cxxflags)
pali_dpkg_buildflags(LDFLAGS hardening_ldflags)

list(APPEND hardening_cxxflags -fstack-clash-protection)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|i[3-6]86)$")
  list(APPEND hardening_cxxflags -fcf-protection)
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|arm64)$")
  list(APPEND hardening_cxxflags -mbranch-protection=standard)
endif()
# dpkg-buildflags maps the source folder; the build folder, wherever it is,
# is mapped after it, so that it wins for the files generated inside it.
list(APPEND hardening_cxxflags -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)

# Optimisation and debug information stay the build type's choice, and
# _FORTIFY_SOURCE works only on optimised code.
list(FILTER hardening_cxxflags EXCLUDE REGEX "^-(O.*|g)$")
list(REMOVE_DUPLICATES hardening_cxxflags)
add_compile_options("$<$<NOT:$<CONFIG:Debug>>:${hardening_cppflags}>" ${hardening_cxxflags})
add_link_options(${hardening_ldflags})
message(STATUS "Hardening: ${hardening_cppflags} ${hardening_cxxflags} ${hardening_ldflags}")
