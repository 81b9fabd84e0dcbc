# Install rules and the Debian package. Programs go to bin/, the data tree
# to share/quillmoor/, and the desktop files where menus and software centres
# look for them.
set(BRAWLER_APP_ID org.quillmoor.QuillmooR)
set(PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(CPACK_PACKAGE_NAME quillmoor)

install(TARGETS brawler brawler_scaled RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/game ${CMAKE_SOURCE_DIR}/rsrc
  DESTINATION ${BRAWLER_INSTALL_DATADIR})
install(FILES ${CMAKE_SOURCE_DIR}/tahoma.ttf ${CMAKE_SOURCE_DIR}/tahoma.ttf.LICENSE
  DESTINATION ${BRAWLER_INSTALL_DATADIR})

install(FILES ${PACKAGING_DIR}/${BRAWLER_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${PACKAGING_DIR}/${BRAWLER_APP_ID}.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/${BRAWLER_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${BRAWLER_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 48 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/rsrc/icon/quillmoor_${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${BRAWLER_APP_ID}.png)
endforeach()
configure_file(${PACKAGING_DIR}/brawler.6.in ${CMAKE_BINARY_DIR}/brawler.6 @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/brawler.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PACKAGING_DIR}/brawler_scaled.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PACKAGING_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})

set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The QuillmooR developers")
set(CPACK_PACKAGE_CONTACT "The QuillmooR developers <quillmoor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "one-on-one fighting game")
set(CPACK_PACKAGE_DESCRIPTION
  "Two fighters on a scrolling road stage, played from the keyboard, a joystick or by the computer: \
rounds, life bars, combos, projectiles and dizziness; arcade, versus, survival and demo modes. \
Draws with plain SDL surfaces or OpenGL.")
set(CPACK_RESOURCE_FILE_LICENSE ${PACKAGING_DIR}/copyright)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
