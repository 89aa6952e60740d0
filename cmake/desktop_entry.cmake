# Writes the desktop entry for a program installed under TRELLIS_PREFIX:
# TRELLIS_DESKTOP_IN to TRELLIS_DESKTOP_OUT. The entry names the program by its
# full path, as ~/.local/bin is not on every user's PATH.
set(TRELLIS_EXEC "${TRELLIS_PREFIX}/${TRELLIS_BINDIR}/trellis")
if(TRELLIS_EXEC MATCHES "[ \t\"'\\\\$`]")
  string(REPLACE "\\" "\\\\\\\\" TRELLIS_EXEC "${TRELLIS_EXEC}")
  string(REPLACE "\"" "\\\\\"" TRELLIS_EXEC "${TRELLIS_EXEC}")
  string(REPLACE "$" "\\\\$" TRELLIS_EXEC "${TRELLIS_EXEC}")
  string(REPLACE "`" "\\\\`" TRELLIS_EXEC "${TRELLIS_EXEC}")
  set(TRELLIS_EXEC "\"${TRELLIS_EXEC}\"")
endif()
configure_file("${TRELLIS_DESKTOP_IN}" "${TRELLIS_DESKTOP_OUT}" @ONLY)
