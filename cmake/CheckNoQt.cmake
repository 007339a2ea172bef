# Fails when a source of the engine (src/core, src/rules, src/store, src/solve, except the windows
# named frm*) includes a Qt header. Used at configure time and as a test:
#   cmake -DSOURCE_DIR=<root> -P CheckNoQt.cmake
function(tabloo_check_no_qt root)
  file(GLOB_RECURSE sources "${root}/src/core/*" "${root}/src/rules/*" "${root}/src/store/*"
    "${root}/src/solve/*")
  set(offenders "")
  foreach(source IN LISTS sources)
    get_filename_component(name "${source}" NAME)
    if(name MATCHES "^frm")
      continue()
    endif()
    file(STRINGS "${source}" hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt)")
    if(hits)
      list(APPEND offenders "${source}: ${hits}")
    endif()
  endforeach()
  if(offenders)
    message(FATAL_ERROR "The engine includes Qt:\n${offenders}")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE AND SOURCE_DIR)
  tabloo_check_no_qt("${SOURCE_DIR}")
  message(STATUS "engine sources include no Qt header")
endif()
