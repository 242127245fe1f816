# The Debian package, included by cmake/Install.cmake after its rules.
#
#   cpack -G DEB        (in the build folder): strhaven_<version>_<arch>.deb
#
# The package is the game alone: component Runtime, and component Debian,
# which only the package installs: the program in /usr/games, where Debian
# puts games (as deep as bin/, so its folder and its sound module lie where
# the program looks for them), and the package's copyright and
# changelog. The package manager is the installer, so neither the
# uninstaller nor the uninstall log comes along; its triggers refresh the
# desktop's databases.

set(CPACK_PACKAGE_NAME strhaven)
set(CPACK_PACKAGE_VENDOR Quillfern)
set(CPACK_PACKAGE_CONTACT "Quillfern <games@quillfern.io>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "three-wheel slot machine played with play money")
# Lines of at most 80 characters: the package tools show them as they are.
set(CPACK_PACKAGE_DESCRIPTION [[
Star Haven Virtual Slots is a single-player slot machine played for fun,
without real money: insert play bills, bet one, two or three credits and
watch the three wheels stop one after another. The pay table printed on
the machine pays exactly what it shows.

Choose the denomination from a Nickel to Five Dollars, one of three payout
modes, the wheel speed and the sounds. Games can be saved to .shs files
and opened again from the desktop, and the whole game plays from the
keyboard too.]])

install(TARGETS strhaven RUNTIME DESTINATION games COMPONENT Debian EXCLUDE_FROM_ALL)

# The changelog is written by hand, an entry for each release; its first
# must be this version's, of its release date.
set(_strhaven_changelog ${CMAKE_CURRENT_LIST_DIR}/debian/changelog)
file(STRINGS ${_strhaven_changelog} _strhaven_entry LIMIT_COUNT 1)
file(STRINGS ${_strhaven_changelog} _strhaven_signed REGEX "^ -- " LIMIT_COUNT 1)
string(REGEX MATCH "^([0-9]+)-0*([0-9]+)-([0-9]+)$" _ ${STRHAVEN_RELEASE_DATE})
set(STRHAVEN_RELEASE_YEAR ${CMAKE_MATCH_1})
set(_strhaven_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
math(EXPR _strhaven_month "${CMAKE_MATCH_2} - 1")
list(GET _strhaven_months ${_strhaven_month} _strhaven_month)
set(_strhaven_released "${CMAKE_MATCH_3} ${_strhaven_month} ${CMAKE_MATCH_1}")
if(NOT _strhaven_entry MATCHES "^${CPACK_PACKAGE_NAME} \\(${PROJECT_VERSION}\\) "
   OR NOT _strhaven_signed MATCHES ", ${_strhaven_released} ")
  message(FATAL_ERROR "${_strhaven_changelog}: the first entry must be version ${PROJECT_VERSION} "
                      "of ${_strhaven_released} (PROJECT_VERSION and STRHAVEN_RELEASE_DATE)")
endif()

set(STRHAVEN_TITLE "Star Haven Virtual Slots")
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/copyright.in ${CMAKE_BINARY_DIR}/packaging/copyright @ONLY)
set(STRHAVEN_DEBIAN_DOCS ${CMAKE_BINARY_DIR}/packaging/copyright)
if(STRHAVEN_GZIP)
  strhaven_gzip(${_strhaven_changelog} ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
  list(APPEND STRHAVEN_DEBIAN_DOCS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
endif()
install(FILES ${STRHAVEN_DEBIAN_DOCS} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME}
        COMPONENT Debian EXCLUDE_FROM_ALL)

set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};Runtime;/"
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};Debian;/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The fonts its pictures are drawn in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
find_program(STRHAVEN_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(STRHAVEN_DPKG_SHLIBDEPS)
  # The libraries the programs link, named when cpack runs
  # (PackageDepends.cmake.in says why not by CPack itself).
  set(STRHAVEN_PACKAGED_BINARIES $<TARGET_FILE:strhaven>)
  if(TARGET strhaven-sound)
    list(APPEND STRHAVEN_PACKAGED_BINARIES $<TARGET_FILE:strhaven-sound>)
  endif()
  configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/PackageDepends.cmake.in ${CMAKE_BINARY_DIR}/packaging/PackageDepends.cmake.in @ONLY)
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/packaging/PackageDepends.cmake
       INPUT ${CMAKE_BINARY_DIR}/packaging/PackageDepends.cmake.in)
  set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/packaging/PackageDepends.cmake)
else()
  # Without dpkg-dev the libraries are named by hand.
  string(PREPEND CPACK_DEBIAN_PACKAGE_DEPENDS
         "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6multimedia6 (>= 6.4), ")
endif()
# qt6-wayland: in a Wayland session the game is a native client of the
# compositor with it; without it, it runs through XWayland, where there is one.
# qt6-translations-l10n: Qt's own texts (standard buttons, file dialogs) in
# the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, qt6-wayland, qt6-translations-l10n")
include(CPack)
