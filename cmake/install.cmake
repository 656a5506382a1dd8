# Installing the game as a desktop program, and its Debian package (cpack -G DEB):
# the game itself, the shipped lists it fills a new data folder with, a launcher command
# on the PATH that names the data folder (the player's own, or a class-room folder), a
# desktop entry, icons drawn by the game's own painter, AppStream metadata and a manual
# page. The game finds the shipped lists from its own folder (startup/CMakeLists.txt).
include(GNUInstallDirs)

# The release is written once, in the program's source.
file(STRINGS ${PROJECT_SOURCE_DIR}/startup/command_line.h version_line REGEX "kVersion = ")
string(REGEX MATCH "[0-9]+-[0-9]+" QUORELIN_VERSION "${version_line}")
set(APPSTREAM_ID org.quorelin.quorelin)
set(dist ${PROJECT_BINARY_DIR}/dist)

# The launcher, once for this build folder (./quorelin.sh play) and once as installed,
# where it finds the game relative to itself.
set(LAUNCHER_GAME $<TARGET_FILE:quorelin>)
configure_file(dist/quorelin.in ${dist}/build-tree-launcher.in @ONLY)
file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/quorelin-launcher INPUT ${dist}/build-tree-launcher.in
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                      WORLD_READ WORLD_EXECUTE)
set(game_dir ${CMAKE_INSTALL_LIBEXECDIR}/quorelin)
set(defaults_dir ${CMAKE_INSTALL_DATADIR}/quorelin)
file(RELATIVE_PATH to_game ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${game_dir}/quorelin)
set(LAUNCHER_GAME "$here/${to_game}")
configure_file(dist/quorelin.in ${dist}/quorelin @ONLY)

configure_file(dist/quorelin.desktop.in ${dist}/${APPSTREAM_ID}.desktop @ONLY)
configure_file(dist/quorelin.metainfo.xml.in ${dist}/${APPSTREAM_ID}.metainfo.xml @ONLY)
configure_file(dist/quorelin.6.in ${dist}/quorelin.6 @ONLY)
add_custom_command(OUTPUT ${dist}/quorelin.6.gz
                   COMMAND gzip -9nf -k ${dist}/quorelin.6
                   DEPENDS ${dist}/quorelin.6
                   COMMENT "Compressing the manual page")

# The icon in the theme's sizes, drawn at build time by the same painter as the splash.
add_executable(make_icons ${PROJECT_SOURCE_DIR}/tools/make_icons.cpp)
target_link_libraries(make_icons PRIVATE quorelin_kit)
quorelin_strict(make_icons)
set(icon_sizes 16 32 48 64 128 256)
set(icon_files)
foreach(size IN LISTS icon_sizes)
  list(APPEND icon_files ${PROJECT_BINARY_DIR}/icons/${size}x${size}/apps/quorelin.png)
endforeach()
add_custom_command(OUTPUT ${icon_files}
                   COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                           $<TARGET_FILE:make_icons> ${PROJECT_BINARY_DIR}/icons
                   DEPENDS make_icons
                   COMMENT "Drawing the icons")
add_custom_command(OUTPUT ${dist}/changelog.gz
                   COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/dist/changelog > ${dist}/changelog.gz
                   DEPENDS ${PROJECT_SOURCE_DIR}/dist/changelog)
add_custom_target(quorelin_desktop_files ALL
                  DEPENDS ${icon_files} ${dist}/quorelin.6.gz ${dist}/changelog.gz)

install(TARGETS quorelin RUNTIME DESTINATION ${game_dir})
install(FILES data/Quorelin.dat data/Quorelincopy.dat DESTINATION ${defaults_dir})
install(PROGRAMS ${dist}/quorelin DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${dist}/${APPSTREAM_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${dist}/${APPSTREAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${dist}/quorelin.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(DIRECTORY ${PROJECT_BINARY_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${dist}/changelog.gz dist/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorelin)

# The Debian package: the libraries' packages found by dpkg-shlibdeps, and the fonts the
# game's faces are mapped to.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorelin)
string(REPLACE "-" "." CPACK_PACKAGE_VERSION "${QUORELIN_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "multiplication tables game with falling number blocks")
set(CPACK_PACKAGE_DESCRIPTION
    "A game for children who practise the multiplication tables 1 to 20.\nNumbered blocks fall into a field of nine columns; the player lands a\nproduct on its factor to make a correct column.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorelin maintainers <maintainers@quorelin.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-comfortaa")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
