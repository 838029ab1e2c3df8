# SPDX-License-Identifier: MIT
# The Italian manual page as a web page: marked Italian for screen readers,
# and without the time groff rendered it at, so that the page changes only
# when its text does. Further arguments go to groff (number registers that
# choose paragraphs).
find_program(GROFF groff REQUIRED)
function(pali_manual_html page output)
  add_custom_command(OUTPUT ${output}
    COMMAND ${GROFF} -k -man -Thtml ${ARGN} ${page}
            | sed -e "s/^<html>$/<html lang=\"it\">/" -e "/^<!-- CreationDate: .* -->$/d" > ${output}
    DEPENDS ${page}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    VERBATIM)
endfunction()
