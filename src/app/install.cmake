# Installing and packaging.
#
# `cmake --install build --prefix DIR` lays out a portable application folder in DIR: the program,
# its help (help/), and in DIR/share the desktop entry and the icon in the hicolor layout (SVG and
# 16 to 128 pixel PNGs). The pages are kept in DIR beside the program.
#
# `cpack` builds a Debian package. Its application folder is /usr/lib/tabwise (the same tree as
# above without share/); the desktop entry, the icons and the AppStream metadata go to /usr/share,
# and /usr/bin/tabwise is a launcher that gives each user a writable application folder of their
# own (see packaging/tabwise.sh.in).
#
# Components: the default one ("Unspecified": program, help) goes everywhere; "portable" only into
# a portable folder; "system" (absolute paths under /usr) only into the package.

# The PNG icons, drawn from the SVG at build time by Qt's own SVG renderer.
add_executable(tabwise_render_icons ${PROJECT_SOURCE_DIR}/tools/render_icons.cpp)
target_link_libraries(tabwise_render_icons PRIVATE Qt6::Gui Qt6::Svg tabwise_warnings)

set(TABWISE_ICON_SVG ${PROJECT_SOURCE_DIR}/src/resources/tabwise.svg)
set(TABWISE_ICON_SIZES 16 32 48 64 128)
set(TABWISE_ICON_DIR ${PROJECT_BINARY_DIR}/icons/hicolor)
set(TABWISE_ICON_PNGS)
foreach(side ${TABWISE_ICON_SIZES})
  list(APPEND TABWISE_ICON_PNGS ${TABWISE_ICON_DIR}/${side}x${side}/apps/tabwise.png)
endforeach()
add_custom_command(
  OUTPUT ${TABWISE_ICON_PNGS}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:tabwise_render_icons> ${TABWISE_ICON_SVG} ${TABWISE_ICON_DIR} ${TABWISE_ICON_SIZES}
  DEPENDS tabwise_render_icons ${TABWISE_ICON_SVG}
  COMMENT "Rendering the program icon as PNG"
  VERBATIM)
add_custom_target(tabwise_icons ALL DEPENDS ${TABWISE_ICON_PNGS})

set(TABWISE_PACKAGING ${CMAKE_CURRENT_LIST_DIR}/packaging)
set(TABWISE_DESKTOP_ID org.example.tabwise)

# The portable folder: the icons and a desktop entry with the folder's absolute paths.
install(DIRECTORY ${TABWISE_ICON_DIR}/ DESTINATION share/icons/hicolor COMPONENT portable)
install(FILES ${TABWISE_ICON_SVG} DESTINATION share/icons/hicolor/scalable/apps COMPONENT portable)
set(TABWISE_DESKTOP_TEMPLATE ${TABWISE_PACKAGING}/tabwise.desktop.in)
configure_file(${TABWISE_PACKAGING}/portable-entry.cmake.in ${PROJECT_BINARY_DIR}/packaging/portable-entry.cmake @ONLY)
install(SCRIPT ${PROJECT_BINARY_DIR}/packaging/portable-entry.cmake COMPONENT portable)

# The package: the launcher, the desktop entry and icons where the desktop looks for them.
set(TABWISE_PACKAGE_APPDIR /usr/lib/tabwise)
set(TABWISE_LAUNCHER_TO_PROGRAM ../lib/tabwise)
configure_file(${TABWISE_PACKAGING}/tabwise.sh.in ${PROJECT_BINARY_DIR}/packaging/tabwise @ONLY)
set(TABWISE_DESKTOP_EXEC tabwise)
set(TABWISE_DESKTOP_ICON tabwise)
configure_file(${TABWISE_PACKAGING}/tabwise.desktop.in ${PROJECT_BINARY_DIR}/packaging/${TABWISE_DESKTOP_ID}.desktop @ONLY)
install(PROGRAMS ${PROJECT_BINARY_DIR}/packaging/tabwise DESTINATION /usr/bin COMPONENT system EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_BINARY_DIR}/packaging/${TABWISE_DESKTOP_ID}.desktop
        DESTINATION /usr/share/applications COMPONENT system EXCLUDE_FROM_ALL)
install(FILES ${TABWISE_PACKAGING}/${TABWISE_DESKTOP_ID}.metainfo.xml
        DESTINATION /usr/share/metainfo COMPONENT system EXCLUDE_FROM_ALL)
install(DIRECTORY ${TABWISE_ICON_DIR}/ DESTINATION /usr/share/icons/hicolor COMPONENT system EXCLUDE_FROM_ALL)
install(FILES ${TABWISE_ICON_SVG} DESTINATION /usr/share/icons/hicolor/scalable/apps COMPONENT system EXCLUDE_FROM_ALL)

# What Debian asks of every package: the changelog and the copyright file in its documentation
# folder, and a manual page for the command; compressed as dpkg-buildpackage would (gzip -9n).
set(TABWISE_DOC_DIR ${PROJECT_BINARY_DIR}/packaging/doc)
configure_file(${TABWISE_PACKAGING}/changelog.in ${TABWISE_DOC_DIR}/changelog @ONLY)
configure_file(${TABWISE_PACKAGING}/tabwise.1 ${TABWISE_DOC_DIR}/tabwise.1 @ONLY)
add_custom_command(
  OUTPUT ${TABWISE_DOC_DIR}/changelog.gz ${TABWISE_DOC_DIR}/tabwise.1.gz
  COMMAND gzip -9nkf changelog tabwise.1
  WORKING_DIRECTORY ${TABWISE_DOC_DIR}
  DEPENDS ${TABWISE_DOC_DIR}/changelog ${TABWISE_DOC_DIR}/tabwise.1
  VERBATIM)
add_custom_target(tabwise_package_docs ALL DEPENDS ${TABWISE_DOC_DIR}/changelog.gz ${TABWISE_DOC_DIR}/tabwise.1.gz)
install(FILES ${TABWISE_DOC_DIR}/changelog.gz ${TABWISE_PACKAGING}/copyright
        DESTINATION /usr/share/doc/tabwise COMPONENT system EXCLUDE_FROM_ALL)
install(FILES ${TABWISE_DOC_DIR}/tabwise.1.gz DESTINATION /usr/share/man/man1 COMPONENT system EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tabwise)
set(CPACK_PACKAGE_VENDOR "Tabwise")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small notebook with five tabbed pages")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Tabwise keeps five pages of free text (notes, phone numbers, e-mail\n"
       "addresses, web sites and other things) on the tabs of one small window,\n"
       "sits in the system tray, and backs the pages up to a folder of your\n"
       "choice. Every user's pages are kept in ~/.local/share/Tabwise.")
set(CPACK_PACKAGE_CONTACT "Tabwise <tabwise@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX ${TABWISE_PACKAGE_APPDIR})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified system)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tabwise.example.org/")
# The Qt 6 and CHM libraries the program links, found from the executable by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Named as well, since the help viewer and spell checking depend on them whether or not the linker
# keeps the link, and the page history and printing load libgit2 and libcups when they need them.
string(REGEX REPLACE "^lib(.*)\\.so\\.(.*)$" "lib\\1-\\2" TABWISE_LIBGIT2_PACKAGE ${TABWISE_LIBGIT2_SONAME})
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libchm1, libhunspell-1.7-0, ${TABWISE_LIBGIT2_PACKAGE}, libcups2")
# Wayland sessions, Qt's own texts in the user's language, opening web and mail entries, a font the
# window is laid out with, and a dictionary to check spelling with (every hunspell-* package serves;
# English is the fallback).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "qt6-wayland, qt6-translations-l10n, xdg-utils, fonts-dejavu-core, hunspell-en-us | hunspell-dictionary")
include(CPack)
