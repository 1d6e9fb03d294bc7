# Install layout: a program folder under lib/orrinvale (the executable with the
# files it reads beside it), a bin/orrinvale link to it, a desktop entry and
# the icon in the hicolor theme; and a Debian package of the same tree.

set(ORRINVALE_INSTALL_FOLDER lib/orrinvale)
install(TARGETS orrinvale RUNTIME DESTINATION ${ORRINVALE_INSTALL_FOLDER})
install(TARGETS orrinvale_audio LIBRARY DESTINATION ${ORRINVALE_INSTALL_FOLDER}/${ORRINVALE_PLUGIN_FOLDER})
install(TARGETS orrinvale_decoder RUNTIME DESTINATION ${ORRINVALE_INSTALL_FOLDER}/${ORRINVALE_PLUGIN_FOLDER})
# What the package must hold, for tools/package.sh to check: the program
# folder, then the desktop's files below.
set(package_contents
  ./usr/${ORRINVALE_INSTALL_FOLDER}/orrinvale
  ./usr/${ORRINVALE_INSTALL_FOLDER}/${ORRINVALE_PLUGIN_FOLDER}/lib${ORRINVALE_AUDIO_PLUGIN}.so
  ./usr/${ORRINVALE_INSTALL_FOLDER}/${ORRINVALE_PLUGIN_FOLDER}/${ORRINVALE_CLIP_DECODER})
foreach(file IN LISTS ORRINVALE_PROGRAM_FILES)
  get_filename_component(folder ${file} DIRECTORY)
  install(FILES assets/${file} DESTINATION ${ORRINVALE_INSTALL_FOLDER}/${folder})
  list(APPEND package_contents ./usr/${ORRINVALE_INSTALL_FOLDER}/${file})
endforeach()

# The program finds its folder through the link, since the executable's path
# is resolved to the real file.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-links)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS assets/changelog assets/orrinvale.1)
file(CREATE_LINK ../${ORRINVALE_INSTALL_FOLDER}/orrinvale ${CMAKE_BINARY_DIR}/install-links/orrinvale SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/install-links/orrinvale DESTINATION bin)

install(FILES assets/${ORRINVALE_DESKTOP_ID}.desktop DESTINATION share/applications)
install(FILES assets/${ORRINVALE_DESKTOP_ID}.metainfo.xml DESTINATION share/metainfo)
list(APPEND package_contents "./usr/bin/orrinvale -> ../${ORRINVALE_INSTALL_FOLDER}/orrinvale"
  ./usr/share/applications/${ORRINVALE_DESKTOP_ID}.desktop
  ./usr/share/metainfo/${ORRINVALE_DESKTOP_ID}.metainfo.xml)
foreach(size IN ITEMS 32 48 128 256)
  install(FILES assets/icons/orrinvale-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME orrinvale.png)
  list(APPEND package_contents ./usr/share/icons/hicolor/${size}x${size}/apps/orrinvale.png)
endforeach()
list(JOIN package_contents "\n" package_lines)
file(WRITE ${CMAKE_BINARY_DIR}/package-contents.txt "${package_lines}\n")
install(FILES assets/copyright DESTINATION share/doc/orrinvale)
install(FILES assets/orrinvale.lintian-overrides DESTINATION share/lintian/overrides RENAME orrinvale)

# The changelog and the manual page go in compressed, without time stamps.
foreach(doc IN ITEMS changelog orrinvale.1)
  execute_process(COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/assets/${doc}
                  OUTPUT_FILE ${CMAKE_BINARY_DIR}/install-links/${doc}.gz)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/install-links/changelog.gz DESTINATION share/doc/orrinvale)
install(FILES ${CMAKE_BINARY_DIR}/install-links/orrinvale.1.gz DESTINATION share/man/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orrinvale)
set(CPACK_PACKAGE_VENDOR "The Orrinvale developers")
set(CPACK_PACKAGE_CONTACT "The Orrinvale developers <${ORRINVALE_SUPPORT_ADDRESS}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "drag-and-drop quiz for learning the fifty US states")
set(CPACK_PACKAGE_DESCRIPTION "Drag each state's name from the panel onto an unlabelled map of the United\nStates: a right drop puts the name on the map with a chime, a wrong drop\nbuzzes, and the fiftieth right drop congratulates you and deals a fresh board.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries the executables link (found by shlibdeps, so they are
# named as the building release names them, PulseAudio's client library
# among them): the fonts the layout is measured in, Liberation Sans Narrow
# for the names on the map among them (within fonts-liberation before its
# version 2, in a package of its own since). The clips are decoded with
# FFmpeg's libraries, which the decoder links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-liberation (<< 1:2) | fonts-liberation-sans-narrow")
# In a Wayland session whose compositor draws title bars (KDE Plasma's), or
# one without XWayland, the quiz is a Wayland client and needs Qt's plugin.
# The home page, opened on about one start in a hundred, opens through
# xdg-open; without it the quiz reports the missing opener as it must.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-utils")
include(CPack)
