# SPDX-License-Identifier: MIT
# The protections MinGW-w64 can give a Windows program, for every target of
# the build: address space layout randomisation over the whole 64-bit space
# (a relocatable image with high-entropy addresses), data execution
# prevention, the stack protector (its guard and failure handler linked
# statically from GCC's libssp), _FORTIFY_SOURCE's checked string and
# formatting functions, and the format checks of Debian's builds.
#
# Not given, because MinGW-w64 on Debian 12 cannot: Control Flow Guard (GCC 12
# has no -mguard=cf, and ld cannot write the guard tables) and the CET shadow
# stack mark (ld has no CETCOMPAT flag). Stack clash protection is Windows'
# own: every frame larger than a page is probed by ___chkstk_ms.
#
# The link leaves its time stamp out and the source and build folders are
# mapped away, so that two builds of one commit in different folders give the
# same bytes.
add_compile_options(
  -fstack-protector-strong -Wformat -Werror=format-security
  "$<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>"
  -ffile-prefix-map=${CMAKE_SOURCE_DIR}=.
  -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
add_link_options(
  -fstack-protector-strong
  -Wl,--dynamicbase -Wl,--high-entropy-va -Wl,--nxcompat
  -Wl,--no-insert-timestamp)
