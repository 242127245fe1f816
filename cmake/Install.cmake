# Installation and packages, included by the top-level CMakeLists.txt after
# every target exists.
#
#   cmake --install build --prefix ~/.local     (or /usr, /usr/local, ...)
#   cpack -G DEB                                 (in the build folder)
#
# The layout is GNU's (GNUInstallDirs) and the one the program looks for:
# the executable in bin/, its folder (readme, web pages, uninstall log) in
# share/strhaven and its sound module in lib/strhaven (or the system's own
# library folder), both found relative to the executable (the top-level
# CMakeLists.txt tells the program where), and the desktop's files and the
# manual page under share/.
# Component Runtime is what every installation has; component StandAlone
# is what only an installation without a package manager has: the program
# in bin/, the uninstaller, the uninstall log and the refresh of the
# desktop's databases (a package manager runs its own triggers for those).
# The Debian package (cmake/Package.cmake) adds its own component.

set(STRHAVEN_PROGRAM_DIR ${CMAKE_INSTALL_DATADIR}/strhaven)
set(STRHAVEN_DESKTOP_DIR ${CMAKE_INSTALL_DATADIR})
# Building the game alone (as scripts/play does) builds all the
# installation and the package take from the build folder.
add_dependencies(strhaven strhaven_desktop_share strhaven-uninstall)

# Documents the package tools read compressed, made with gzip -9n: no name
# or time stamp inside, so the same source gives the same bytes.
find_program(STRHAVEN_GZIP gzip)
set_property(GLOBAL PROPERTY STRHAVEN_GZIPPED)
function(strhaven_gzip input output)
  string(REGEX REPLACE "\\.gz$" "" plain ${output})
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E copy ${input} ${plain}
    COMMAND ${STRHAVEN_GZIP} -9nf ${plain}
    DEPENDS ${input}
    VERBATIM)
  set_property(GLOBAL APPEND PROPERTY STRHAVEN_GZIPPED ${output})
endfunction()

# Each file `cmake --install` lays down is noted, relative to the prefix,
# by the rule that installs it; the uninstaller is built with that list
# (InstalledFiles.h below), so it removes exactly these files and no other.
set_property(GLOBAL PROPERTY STRHAVEN_INSTALLED_FILES)
function(strhaven_install_target target destination component)
  install(TARGETS ${target} RUNTIME DESTINATION ${destination} LIBRARY DESTINATION ${destination}
          COMPONENT ${component})
  set_property(GLOBAL APPEND PROPERTY STRHAVEN_INSTALLED_FILES "${destination}/$<TARGET_FILE_NAME:${target}>")
endfunction()
function(strhaven_install_file file destination)
  cmake_parse_arguments(I "" "RENAME" "" ${ARGN})
  if(NOT I_RENAME)
    get_filename_component(I_RENAME ${file} NAME)
  endif()
  install(FILES ${file} DESTINATION ${destination} RENAME ${I_RENAME} COMPONENT Runtime)
  set_property(GLOBAL APPEND PROPERTY STRHAVEN_INSTALLED_FILES "${destination}/${I_RENAME}")
endfunction()

strhaven_install_target(strhaven ${CMAKE_INSTALL_BINDIR} StandAlone)
# The sound output, loaded with the first sound.
if(TARGET strhaven-sound)
  strhaven_install_target(strhaven-sound ${STRHAVEN_MODULE_DIR} Runtime)
endif()

# The readme (with its translations) and the web pages, as the assets
# expose them.
get_property(_strhaven_global_readme GLOBAL PROPERTY STRHAVEN_README_FILE)
get_property(_strhaven_global_web GLOBAL PROPERTY STRHAVEN_WEB_FILES)
if(NOT DEFINED STRHAVEN_README_FILE AND _strhaven_global_readme)
  set(STRHAVEN_README_FILE ${_strhaven_global_readme})
endif()
if(NOT DEFINED STRHAVEN_WEB_FILES AND _strhaven_global_web)
  set(STRHAVEN_WEB_FILES ${_strhaven_global_web})
endif()
if(NOT DEFINED STRHAVEN_README_FILE AND EXISTS ${PROJECT_SOURCE_DIR}/assets/docs/readme.txt)
  set(STRHAVEN_README_FILE ${PROJECT_SOURCE_DIR}/assets/docs/readme.txt)
endif()
if(NOT DEFINED STRHAVEN_WEB_FILES)
  file(GLOB STRHAVEN_WEB_FILES ${PROJECT_SOURCE_DIR}/assets/web/*.html)
endif()
if(STRHAVEN_README_FILE)
  strhaven_install_file(${STRHAVEN_README_FILE} ${STRHAVEN_PROGRAM_DIR} RENAME readme.txt)
endif()
get_property(_strhaven_translated_readmes GLOBAL PROPERTY STRHAVEN_TRANSLATED_README_FILES)
foreach(readme ${_strhaven_translated_readmes})
  strhaven_install_file(${readme} ${STRHAVEN_PROGRAM_DIR})
endforeach()
foreach(page ${STRHAVEN_WEB_FILES})
  strhaven_install_file(${page} ${STRHAVEN_PROGRAM_DIR}/web)
endforeach()
# The manual page, section 6 (games).
get_property(_strhaven_man_page GLOBAL PROPERTY STRHAVEN_MAN_PAGE)
if(_strhaven_man_page AND STRHAVEN_GZIP)
  strhaven_gzip(${_strhaven_man_page} ${CMAKE_BINARY_DIR}/packaging/strhaven.6.gz)
  strhaven_install_file(${CMAKE_BINARY_DIR}/packaging/strhaven.6.gz ${CMAKE_INSTALL_MANDIR}/man6)
elseif(_strhaven_man_page)
  strhaven_install_file(${_strhaven_man_page} ${CMAKE_INSTALL_MANDIR}/man6)
endif()
# The folder itself even without them: the program knows it is installed
# by finding it.
install(DIRECTORY DESTINATION ${STRHAVEN_PROGRAM_DIR} COMPONENT Runtime)

# Desktop entry, MIME package, icons and metainfo, drawn at build time. The
# generator's own list names them (desktop::associationFilePaths).
install(DIRECTORY ${STRHAVEN_DESKTOP_SHARE}/ DESTINATION ${STRHAVEN_DESKTOP_DIR} COMPONENT Runtime)

strhaven_install_target(strhaven-uninstall ${CMAKE_INSTALL_BINDIR} StandAlone)
set(STRHAVEN_UNINSTALL_LOG ${STRHAVEN_PROGRAM_DIR}/st5unst.log)
set_property(GLOBAL APPEND PROPERTY STRHAVEN_INSTALLED_FILES ${STRHAVEN_UNINSTALL_LOG})
install(CODE "set(_strhaven_log \"${STRHAVEN_UNINSTALL_LOG}\")\nset(_strhaven_data \"${CMAKE_INSTALL_DATADIR}\")"
        COMPONENT StandAlone)
install(CODE [[
  set(_prefix "${CMAKE_INSTALL_PREFIX}")
  # Staged for a packager (DESTDIR), the package manager is the installer.
  if("$ENV{DESTDIR}" STREQUAL "")
    # The uninstall log collects what each user's first run adds. A system-
    # wide copy installed by root keeps none: its folder is not the users'
    # to write, and the game then stays quiet about a log that is not meant
    # to be there. A copy in one's own home, or installed by a plain user,
    # keeps one. (The game applies the same rule when the log is missing.)
    set(_keep_log TRUE)
    if(UNIX)
      execute_process(COMMAND id -u OUTPUT_VARIABLE _uid OUTPUT_STRIP_TRAILING_WHITESPACE)
      set(_home "$ENV{HOME}")
      set(_in_home FALSE)
      if(_home)
        cmake_path(IS_PREFIX _home "${_prefix}" NORMALIZE _in_home)
      endif()
      if(_uid STREQUAL "0" AND NOT _in_home)
        set(_keep_log FALSE)
      endif()
    endif()
    set(_log "${_prefix}/${_strhaven_log}")
    if(_keep_log AND NOT EXISTS "${_log}")
      message(STATUS "Installing: ${_log}")
      file(TOUCH "${_log}")
    endif()
    # Let the desktop see the new file type and entry now.
    find_program(_update_mime update-mime-database)
    find_program(_update_desktop update-desktop-database)
    find_program(_update_icons gtk-update-icon-cache)
    if(_update_mime)
      execute_process(COMMAND "${_update_mime}" "${_prefix}/${_strhaven_data}/mime" OUTPUT_QUIET ERROR_QUIET)
    endif()
    if(_update_desktop)
      execute_process(COMMAND "${_update_desktop}" "${_prefix}/${_strhaven_data}/applications" OUTPUT_QUIET ERROR_QUIET)
    endif()
    if(_update_icons AND EXISTS "${_prefix}/${_strhaven_data}/icons/hicolor/icon-theme.cache")
      execute_process(COMMAND "${_update_icons}" -q -t -f "${_prefix}/${_strhaven_data}/icons/hicolor" OUTPUT_QUIET ERROR_QUIET)
    endif()
  endif()
]] COMPONENT StandAlone)

# The uninstaller's list of what the rules above install (the target file
# names are generator expressions, so the header is generated in two steps).
get_property(STRHAVEN_INSTALLED_LINES GLOBAL PROPERTY STRHAVEN_INSTALLED_FILES)
list(TRANSFORM STRHAVEN_INSTALLED_LINES REPLACE "(.+)" "    \"\\1\",")
list(JOIN STRHAVEN_INSTALLED_LINES "\n" STRHAVEN_INSTALLED_LINES)
configure_file(desktop/uninstall/InstalledFiles.h.in ${CMAKE_BINARY_DIR}/desktop/InstalledFiles.h.in @ONLY)
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/desktop/uninstall/InstalledFiles.h
     INPUT ${CMAKE_BINARY_DIR}/desktop/InstalledFiles.h.in)

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)

get_property(_strhaven_gzipped GLOBAL PROPERTY STRHAVEN_GZIPPED)
add_custom_target(strhaven_gzipped ALL DEPENDS ${_strhaven_gzipped})
add_dependencies(strhaven strhaven_gzipped)
