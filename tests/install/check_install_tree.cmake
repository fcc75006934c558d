# Installs the build into a fresh folder and checks that every file is where
# the desktop and the program look for it.
#   cmake -DBUILD_DIR=<build> -DPREFIX=<folder> -P check_install_tree.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(
  COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()

set(missing "")
foreach(path
    bin/tovk
    bin/tovk-term
    share/tovk/TOVK.SS
    share/tovk/tovk-help.html
    share/applications/org.tovk.Tovk.desktop
    share/icons/hicolor/scalable/apps/tovk.svg
    share/metainfo/org.tovk.Tovk.metainfo.xml)
  if(NOT EXISTS ${PREFIX}/${path})
    list(APPEND missing ${path})
  endif()
endforeach()
foreach(program bin/tovk bin/tovk-term)
  if(EXISTS ${PREFIX}/${program} AND NOT IS_DIRECTORY ${PREFIX}/${program})
    file(READ ${PREFIX}/${program} magic LIMIT 4 HEX)
    if(NOT magic STREQUAL "7f454c46")
      list(APPEND missing "${program} (not an executable)")
    endif()
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "missing from the install tree: ${missing}")
endif()

# Only the station list and the help in share/tovk/; nothing stray in bin/.
file(GLOB shared RELATIVE ${PREFIX}/share/tovk ${PREFIX}/share/tovk/*)
list(SORT shared)
if(NOT shared STREQUAL "TOVK.SS;tovk-help.html")
  message(FATAL_ERROR "share/tovk/ holds: ${shared}")
endif()
file(GLOB programs RELATIVE ${PREFIX}/bin ${PREFIX}/bin/*)
list(SORT programs)
if(NOT programs STREQUAL "tovk;tovk-term")
  message(FATAL_ERROR "bin/ holds: ${programs}")
endif()
file(REMOVE_RECURSE ${PREFIX})
message(STATUS "install tree complete")
