# TABLOO_PACKAGE_MAINTAINER: who the Debian package names as its maintainer. TABLOO_MAINTAINER
# when the packager gives it; else the one building the package, as dch and the other Debian
# tools find them: the name from DEBFULLNAME or NAME, the address from DEBEMAIL or EMAIL (either
# may hold "Name <address>"), else the login's full name and login@host, the host from
# /etc/mailname or the machine's full name.
function(tabloo_find_maintainer)
  if(NOT TABLOO_MAINTAINER STREQUAL "")
    set(TABLOO_PACKAGE_MAINTAINER "${TABLOO_MAINTAINER}" PARENT_SCOPE)
    return()
  endif()

  set(name "$ENV{DEBFULLNAME}")
  if(name STREQUAL "")
    set(name "$ENV{NAME}")
  endif()
  set(address "$ENV{DEBEMAIL}")
  if(address STREQUAL "")
    set(address "$ENV{EMAIL}")
  endif()
  if(address MATCHES "^(.*[^ ]) *<([^>]+)>$")
    if(name STREQUAL "")
      set(name "${CMAKE_MATCH_1}")
    endif()
    set(address "${CMAKE_MATCH_2}")
  endif()

  execute_process(COMMAND id -un OUTPUT_VARIABLE login OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(name STREQUAL "" AND NOT login STREQUAL "")
    execute_process(COMMAND getent passwd "${login}" OUTPUT_VARIABLE entry OUTPUT_STRIP_TRAILING_WHITESPACE
      ERROR_QUIET)
    # The full name is the first comma-separated part of the fifth field.
    if(entry MATCHES "^[^:]*:[^:]*:[^:]*:[^:]*:([^:,]+)")
      set(name "${CMAKE_MATCH_1}")
    else()
      set(name "${login}")
    endif()
  endif()
  if(address STREQUAL "" AND NOT login STREQUAL "")
    if(EXISTS /etc/mailname)
      file(STRINGS /etc/mailname host LIMIT_COUNT 1)
    else()
      cmake_host_system_information(RESULT host QUERY FQDN)
    endif()
    set(address "${login}@${host}")
  endif()
  set(TABLOO_PACKAGE_MAINTAINER "${name} <${address}>" PARENT_SCOPE)
  message(STATUS "The Debian package's maintainer, who builds it: ${name} <${address}> "
    "(-DTABLOO_MAINTAINER=\"Name <address>\" or DEBFULLNAME and DEBEMAIL name another)")
endfunction()
tabloo_find_maintainer()
