# Debian's hardening flags, as dpkg-buildflags gives them with every hardening feature on
# (stack protector, fortified functions, format checks, read-only relocations, immediate
# binding). The build type keeps choosing the optimisation: -g and -O2 are left out, and so is
# a Debug build, where fortified functions cannot work, and a sanitizer build.
set(debian_flags_default OFF)
find_program(TABLOO_DPKG_BUILDFLAGS dpkg-buildflags)
if(TABLOO_DPKG_BUILDFLAGS AND NOT TABLOO_SANITIZE AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
  set(debian_flags_default ON)
endif()
option(TABLOO_DEBIAN_FLAGS "Build with Debian's hardening flags (dpkg-buildflags)" ${debian_flags_default})
unset(debian_flags_default)

if(TABLOO_DEBIAN_FLAGS)
  if(NOT TABLOO_DPKG_BUILDFLAGS)
    message(FATAL_ERROR "TABLOO_DEBIAN_FLAGS needs dpkg-buildflags (package dpkg-dev)")
  endif()
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    # Run from the source folder, whose path the flags map to "." for a reproducible build.
    execute_process(COMMAND ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=hardening=+all"
      "DEB_CXXFLAGS_MAINT_STRIP=-g -O2" ${TABLOO_DPKG_BUILDFLAGS} --get ${kind}
      WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
      RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "dpkg-buildflags --get ${kind} failed")
    endif()
    separate_arguments(flags UNIX_COMMAND "${flags}")
    if(kind STREQUAL "LDFLAGS")
      add_link_options(${flags})
    else()
      add_compile_options(${flags})
    endif()
    list(APPEND TABLOO_DEBIAN_FLAGS_USED ${flags})
  endforeach()
  list(JOIN TABLOO_DEBIAN_FLAGS_USED " " flags)
  message(STATUS "Debian's hardening flags: ${flags}")
endif()
