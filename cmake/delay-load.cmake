# SPDX-License-Identifier: MIT
# Windows libraries that load at the first call into them rather than at the
# program's start. Each .def lists what the program calls of its library; a
# call missing from it would be linked the usual way, and the test of the
# program's imports would fail.
function(pali_delay_loaded_library library def_file)
  set(delay_library ${CMAKE_CURRENT_BINARY_DIR}/lib${library}_delay.a)
  add_custom_command(OUTPUT ${delay_library}
    COMMAND ${CMAKE_DLLTOOL} --input-def ${def_file} --output-delaylib ${delay_library}
    DEPENDS ${def_file}
    VERBATIM)
  add_custom_target(pali_${library}_delay DEPENDS ${delay_library})
  add_library(pali::${library}_delay STATIC IMPORTED GLOBAL)
  set_target_properties(pali::${library}_delay PROPERTIES IMPORTED_LOCATION ${delay_library})
  add_dependencies(pali::${library}_delay pali_${library}_delay)
endfunction()
