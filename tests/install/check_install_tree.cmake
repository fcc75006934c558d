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
    lib/tovk/tovk-sound-device.so
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

# The installed terminal front-end keeps the player's files in the per-user
# folders of a fresh home; the checks below then prove it wrote nothing into
# the install tree.
set(home ${PREFIX}-home)
file(REMOVE_RECURSE ${home})
file(MAKE_DIRECTORY ${home})
file(WRITE ${home}/input "QRV\nQRT\ny\n")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=XDG_CONFIG_HOME --unset=XDG_DATA_HOME HOME=${home}
    ${PREFIX}/bin/tovk-term --seed 1
  INPUT_FILE ${home}/input
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT output MATCHES "Start of operation")
  message(FATAL_ERROR "installed tovk-term did not play (${result}): ${output}${errors}")
endif()
if(NOT EXISTS ${home}/.config/tovk/tovk.ini)
  message(FATAL_ERROR "installed tovk-term wrote no ~/.config/tovk/tovk.ini")
endif()
if(EXISTS ${home}/.config/tovk/tovk-recovery.sav)
  message(FATAL_ERROR "a clean quit left the recovery copy")
endif()
file(REMOVE_RECURSE ${home})

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
