# Runs at install time after everything is in place. Every tool is optional: a system without
# one simply does not get that cache refreshed, and the install still succeeds.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()

if(IS_ABSOLUTE "${MOTIVICA_INSTALL_DATADIR}")
  set(_share "${MOTIVICA_INSTALL_DATADIR}")
else()
  set(_share "${CMAKE_INSTALL_PREFIX}/${MOTIVICA_INSTALL_DATADIR}")
endif()

function(motivica_refresh tool folder)
  find_program(_program ${tool} NO_CACHE)
  if(NOT _program OR NOT IS_DIRECTORY "${folder}")
    return()
  endif()
  message(STATUS "Refreshing ${folder} with ${tool}")
  execute_process(COMMAND "${_program}" ${ARGN} "${folder}" RESULT_VARIABLE _result
                  OUTPUT_QUIET ERROR_QUIET)
  if(NOT _result EQUAL 0)
    message(STATUS "${tool} did not succeed (${_result}); the desktop notices on its next start")
  endif()
endfunction()

motivica_refresh(update-mime-database "${_share}/mime")
motivica_refresh(update-desktop-database "${_share}/applications" -q)
# a theme's cache is only kept where the theme itself is installed: a per-user hicolor folder
# without index.theme is searched directly
if(EXISTS "${_share}/icons/hicolor/index.theme")
  motivica_refresh(gtk-update-icon-cache "${_share}/icons/hicolor" -q -t -f)
endif()
