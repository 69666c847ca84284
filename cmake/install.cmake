# Installing Halvane: the three programs in bin/ and their position and download modules in
# lib/halvane/modules/, the catalogs in share/halvane/ (where the programs look for them, see
# platform/app_paths.h), the desktop entry, icons, AppStream metadata, manual pages and the
# Debian documentation files; then a Debian package of it all (`cpack -G DEB`), and the tests
# that check these files and run the installed tree.
include(GNUInstallDirs)

set(HALVANE_APP_ID io.github.halvane.Halvane)
set(HALVANE_DIST ${CMAKE_SOURCE_DIR}/dist)
set(HALVANE_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/halvane)

install(TARGETS halvane halvane-render halvane-catalog RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Where the programs look for them from bin/ (platform/position_source.cpp): one folder below
# lib/halvane/, so that the package does not call ldconfig for a private module.
install(TARGETS halvane-position halvane-download LIBRARY DESTINATION lib/halvane/modules)
file(GLOB HALVANE_CATALOGS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*.dat)
install(FILES ${HALVANE_CATALOGS} DESTINATION ${CMAKE_INSTALL_DATADIR}/halvane)
install(FILES ${HALVANE_DIST}/${HALVANE_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${HALVANE_DIST}/${HALVANE_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${HALVANE_DIST}/icons/${HALVANE_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256 512)
  install(FILES ${HALVANE_DIST}/icons/${size}x${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${HALVANE_APP_ID}.png)
endforeach()
install(FILES ${HALVANE_DIST}/copyright DESTINATION ${HALVANE_DOC_DIR})

# Debian wants the changelog and the manual pages compressed, without a time stamp.
set(HALVANE_GZIPPED)
foreach(source changelog man/halvane.1 man/halvane-render.1 man/halvane-catalog.1)
  get_filename_component(name ${source} NAME)
  set(gzipped ${CMAKE_BINARY_DIR}/dist/${name}.gz)
  add_custom_command(OUTPUT ${gzipped}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/dist
    COMMAND gzip -9nc ${HALVANE_DIST}/${source} > ${gzipped}
    DEPENDS ${HALVANE_DIST}/${source} VERBATIM)
  list(APPEND HALVANE_GZIPPED ${gzipped})
endforeach()
add_custom_target(halvane_dist_files ALL DEPENDS ${HALVANE_GZIPPED})
install(FILES ${CMAKE_BINARY_DIR}/dist/changelog.gz DESTINATION ${HALVANE_DOC_DIR})
install(FILES ${CMAKE_BINARY_DIR}/dist/halvane.1.gz ${CMAKE_BINARY_DIR}/dist/halvane-render.1.gz
  ${CMAKE_BINARY_DIR}/dist/halvane-catalog.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME halvane)
set(CPACK_PACKAGE_VENDOR "The Halvane developers")
set(CPACK_PACKAGE_CONTACT "The Halvane developers <halvane@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pocket sky chart for your place and hour")
# The summary is the synopsis; cpack indents these lines and marks the empty one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Halvane draws the sky in the direction you choose, for your place and hour:
stars to magnitude 8 sized by brightness and tinted by colour, constellation
figures and boundaries, and an equatorial and a horizontal grid. Aim it, zoom
and turn it, tap a star to have its name written.

Also halvane-render, which draws a chart to a PNG without a window, and
halvane-catalog, which builds and describes the catalog files.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/halvane/halvane)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The location sources are plugins loaded at run time, which no library dependency names.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS libqt6positioning6-plugins)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)

# The entry and the metadata pass Debian's validators; the installed tree and the unpacked
# package run from where they lie.
add_test(NAME desktop_entry_valid
  COMMAND desktop-file-validate ${HALVANE_DIST}/${HALVANE_APP_ID}.desktop)
add_test(NAME metainfo_valid
  COMMAND appstreamcli validate --no-net ${HALVANE_DIST}/${HALVANE_APP_ID}.metainfo.xml)
add_test(NAME installed_tree_runs
  COMMAND ${CMAKE_SOURCE_DIR}/tests/installed_tree_test ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR})
set_tests_properties(installed_tree_runs PROPERTIES RUN_SERIAL TRUE)
# The sanitizer build leaves the package out: its cpack and lintian run would double the time
# and check nothing that the normal build does not.
if(NOT HALVANE_SANITIZE)
  add_test(NAME debian_package_runs
    COMMAND ${CMAKE_SOURCE_DIR}/tests/debian_package_test ${CMAKE_CPACK_COMMAND} ${CMAKE_BINARY_DIR})
  set_tests_properties(debian_package_runs PROPERTIES RUN_SERIAL TRUE)
endif()
