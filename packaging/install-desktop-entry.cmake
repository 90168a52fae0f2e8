# Writes the menu entry for the prefix being installed into. It runs inside
# the install script, where CMAKE_INSTALL_PREFIX is the final prefix: the one
# given to cmake --install --prefix, or /usr when CPack stages the package
# (it puts the staging folder in DESTDIR, which file(INSTALL) adds).
#
# Set by the install(CODE) that includes this: QIRAZO_DESKTOP_TEMPLATE,
# QIRAZO_DESKTOP_WORKDIR, QIRAZO_DESKTOP_NAME, QIRAZO_APPLICATIONS_DIR,
# QIRAZO_LAUNCHER, QIRAZO_RECORDINGS_DIR (the last three relative to the
# prefix unless absolute).

function(qirazo_full_path out path)
  if(IS_ABSOLUTE "${path}")
    set(${out} "${path}" PARENT_SCOPE)
  else()
    set(${out} "${CMAKE_INSTALL_PREFIX}/${path}" PARENT_SCOPE)
  endif()
endfunction()

qirazo_full_path(launcher "${QIRAZO_LAUNCHER}")
qirazo_full_path(recordings "${QIRAZO_RECORDINGS_DIR}")
qirazo_full_path(applications "${QIRAZO_APPLICATIONS_DIR}")

if("${launcher}${recordings}" MATCHES "[\n\r\t]")
  message(FATAL_ERROR "The menu entry cannot name a folder with a line break or tab in it: "
                      "${CMAKE_INSTALL_PREFIX}")
endif()

# Path= is a plain string value, whose only escape here is the backslash.
string(REPLACE "\\" "\\\\" QIRAZO_DESKTOP_PATH "${recordings}")

# Exec= is a command line: a path with a space or another reserved character
# is quoted, with \ " ` $ escaped inside the quotes, and the backslashes of
# that are escaped once more as the string value's own. % starts a field code.
if(launcher MATCHES "[^A-Za-z0-9/._+-]")
  set(quoted "${launcher}")
  string(REPLACE "\\" "\\\\" quoted "${quoted}")
  string(REPLACE "\"" "\\\"" quoted "${quoted}")
  string(REPLACE "`" "\\`" quoted "${quoted}")
  string(REPLACE "$" "\\$" quoted "${quoted}")
  string(REPLACE "\\" "\\\\" quoted "${quoted}")
  string(REPLACE "%" "%%" quoted "${quoted}")
  set(QIRAZO_DESKTOP_EXEC "\"${quoted}\"")
else()
  set(QIRAZO_DESKTOP_EXEC "${launcher}")
endif()

# One folder per destination, so that two installs from the same build into
# different prefixes (a test's and CPack's, say) cannot swap entries.
string(MD5 key "$ENV{DESTDIR}|${CMAKE_INSTALL_PREFIX}")
set(generated "${QIRAZO_DESKTOP_WORKDIR}/${key}/${QIRAZO_DESKTOP_NAME}")
configure_file("${QIRAZO_DESKTOP_TEMPLATE}" "${generated}" @ONLY)
file(INSTALL DESTINATION "${applications}" TYPE FILE FILES "${generated}")
