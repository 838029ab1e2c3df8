# SPDX-License-Identifier: MIT
# Running the Windows programs of this build under Wine, for ctest and the
# scripts: a prefix of the build's own, made once inside the build folder so
# that no run depends on the user's ~/.wine, and wine-run, which runs a
# program in it. Mono and Gecko are left out of the prefix: the programs
# need neither, and Wine would otherwise offer to download them. The prefix
# gets Windows' own faces from fonts-wine.
set(PALI_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
set(PALI_WINE_RUN ${CMAKE_BINARY_DIR}/wine-run)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${PALI_WINE_RUN} @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PALI_WINE_RUN})

add_custom_command(OUTPUT ${PALI_WINE_PREFIX}/system.reg
  COMMAND ${PROJECT_SOURCE_DIR}/tests/support/wine-windows-faces ${PALI_WINE_PREFIX}
  COMMAND ${CMAKE_COMMAND} -E env WINEDLLOVERRIDES=mscoree,mshtml= ${PALI_WINE_RUN} wineboot -i
  COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${PALI_WINE_PREFIX} wineserver -w
  COMMENT "Making the Wine prefix for the tests"
  VERBATIM)
add_custom_target(wine_prefix ALL DEPENDS ${PALI_WINE_PREFIX}/system.reg)
