# The Debian package. `make package` (cpack) lays the game out as Debian lays
# out games and packs it into orvalia_<version>-1_amd64.deb:
#
#   /usr/games/orvalia, /usr/games/orvalia-qdb     the program (lower case), the tool
#   /usr/games/orvalia-editor                      and the question editor
#   /usr/lib/games/orvalia/                        the two control libraries, the sound back-end
#   /usr/share/games/orvalia/                      pictures, sounds, help, QBase.qdb, QBase.bak, QBase.citas
#   /usr/share/applications, icons, metainfo, man, doc
#
# These install rules form the component "paquete", which a plain
# `cmake --install` leaves out: that one keeps the portable layout, everything
# in bin/ of the prefix. The program finds its files either way
# (game/Ubicaciones).
set(ORVALIA_VERSION_PAQUETE "${PROJECT_VERSION}-1")
set(ORVALIA_DATOS_PAQUETE share/games/orvalia)
set(ORVALIA_LIBS_PAQUETE lib/games/orvalia)
set(paq COMPONENT paquete EXCLUDE_FROM_ALL)

install(TARGETS Orvalia orvalia-qdb orvalia-editor RUNTIME DESTINATION games ${paq})
install(TARGETS Respuesta Comodines OrvaliaSonido LIBRARY DESTINATION ${ORVALIA_LIBS_PAQUETE} ${paq})
# Debian names programs in lower case; the build tree keeps bin/Orvalia. The
# program's RUNPATH (screens/) finds the libraries relative to itself, so an
# unpacked copy of the package runs wherever it lies.
install(CODE "file(RENAME \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games/Orvalia\"
                          \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games/orvalia\")" ${paq})

set(datos ${CMAKE_SOURCE_DIR}/data)
foreach(dir "Imágenes" MP3 MP3_45)
  install(DIRECTORY ${datos}/${dir} DESTINATION ${ORVALIA_DATOS_PAQUETE} ${paq} PATTERN ".keep" EXCLUDE)
endforeach()
install(DIRECTORY ${datos}/ayuda/ DESTINATION ${ORVALIA_DATOS_PAQUETE} ${paq})
if(TARGET orvalia_base)
  # Both read-only to players: the game copies QBase.qdb into the player's
  # data folder on the first start and keeps QBase.bak as its fallback.
  install(FILES ${ORVALIA_BIN_DIR}/QBase.qdb ${ORVALIA_BIN_DIR}/QBase.bak
          DESTINATION ${ORVALIA_DATOS_PAQUETE} ${paq})
endif()
if(TARGET orvalia_citas)
  # The passages go with the base into the player's folder.
  install(FILES ${ORVALIA_BIN_DIR}/QBase.citas DESTINATION ${ORVALIA_DATOS_PAQUETE} ${paq})
endif()

# Menu entries (the game's and the editor's), icons at the theme's sizes,
# store metadata.
set(ORVALIA_ID io.github.orvalia.Orvalia)
set(ORVALIA_ID_EDITOR io.github.orvalia.Editor)
set(ORVALIA_EXEC orvalia)  # on PATH in /usr/games
set(ORVALIA_EXEC_EDITOR orvalia-editor)
configure_file(${datos}/escritorio/orvalia.desktop.in ${CMAKE_BINARY_DIR}/paquete/${ORVALIA_ID}.desktop @ONLY)
configure_file(${datos}/escritorio/orvalia-editor.desktop.in ${CMAKE_BINARY_DIR}/paquete/${ORVALIA_ID_EDITOR}.desktop
               @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/paquete/${ORVALIA_ID}.desktop ${CMAKE_BINARY_DIR}/paquete/${ORVALIA_ID_EDITOR}.desktop
        DESTINATION share/applications ${paq})
foreach(lado 16 24 32 48 64 128 256)
  foreach(icono orvalia orvalia-editor)
    install(FILES ${datos}/escritorio/iconos/${icono}-${lado}.png
            DESTINATION share/icons/hicolor/${lado}x${lado}/apps RENAME ${icono}.png ${paq})
  endforeach()
endforeach()
install(FILES ${datos}/escritorio/${ORVALIA_ID}.metainfo.xml DESTINATION share/metainfo ${paq})

# Man pages and the Debian changelog, compressed as Debian wants them: best
# compression, no name or time stamp inside.
set(comprimidos "")
foreach(par "man/orvalia.6;orvalia.6.gz" "man/orvalia-qdb.6;orvalia-qdb.6.gz" "man/orvalia-editor.6;orvalia-editor.6.gz"
            "debian/changelog.Debian;changelog.Debian.gz")
  list(GET par 0 fuente)
  list(GET par 1 salida)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/paquete/${salida}
    COMMAND gzip -9nc ${datos}/${fuente} > ${CMAKE_BINARY_DIR}/paquete/${salida}
    DEPENDS ${datos}/${fuente} VERBATIM)
  list(APPEND comprimidos ${CMAKE_BINARY_DIR}/paquete/${salida})
endforeach()
add_custom_target(orvalia_documentos ALL DEPENDS ${comprimidos})
install(FILES ${CMAKE_BINARY_DIR}/paquete/orvalia.6.gz ${CMAKE_BINARY_DIR}/paquete/orvalia-qdb.6.gz
              ${CMAKE_BINARY_DIR}/paquete/orvalia-editor.6.gz
        DESTINATION share/man/man6 ${paq})
install(FILES ${datos}/debian/copyright ${CMAKE_BINARY_DIR}/paquete/changelog.Debian.gz
        DESTINATION share/doc/orvalia ${paq})

# The package itself.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvalia)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Orvalia;paquete;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Orvalia developers <orvalia@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://orvalia.github.io/)
# Libraries come from the binaries; what is loaded or read at run time does
# not show there (cmake/ComprobarPaquete.cmake checks each is named):
# - Qt's own texts in Spanish (qt_es.qm, TraducirQt), without which the
#   buttons and menus of both programs come up in English;
# - GStreamer's playback and MP3 decoding, and a sink to hear it through
#   (ALSA, PulseAudio or PipeWire: any one), which Qt Multimedia's back-end
#   loads as plug-ins;
# - the font the board was laid out with.
# Qt's image formats (GIF, JPEG, ICO), its SVG plug-ins and its media
# back-ends ship in the very packages of the libraries linked (libqt6gui6,
# libqt6svg6, libqt6multimedia6), which shlibdeps names.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/bin)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-translations-l10n, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-alsa | gstreamer1.0-pulseaudio | gstreamer1.0-pipewire, fonts-liberation2")
# The editor shows each question's verse from the Reina-Valera 1909; without
# it the editor still works and says the text is not installed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "sword-text-sparv")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Bible quiz game in Spanish for one to six players
Orvalia asks multiple-choice questions about the Bible, four answers A to D.
A player climbs a ladder of fifteen questions worth 1 to 10 000 points, with
guaranteed steps, against a countdown and with music; three lifelines help
once per match: a poll, skipping the question and removing two wrong answers.
One to six players take turns at one computer. The least-asked questions come
first, and the whole game can be played from the keyboard. A question
editor lets teachers add their own questions, with the verse beside each.

Juego de preguntas bíblicas en español para uno a seis jugadores.")
include(CPack)

# The package checked: built, unpacked into a throw-away root and played there
# (cmake/ComprobarPaquete.cmake), and lintian. Left out of the sanitizer run,
# whose binaries are not what a player installs.
if(TARGET orvalia_base)
  set(trabajo ${CMAKE_BINARY_DIR}/prueba-paquete)
  foreach(paso construir instalado lintian)
    add_test(NAME paquete_${paso}
      COMMAND ${CMAKE_COMMAND} -DPASO=${paso} -DBUILD=${CMAKE_BINARY_DIR} -DTRABAJO=${trabajo}
              -P ${CMAKE_SOURCE_DIR}/cmake/ComprobarPaquete.cmake)
    set_tests_properties(paquete_${paso} PROPERTIES LABELS slow SKIP_REGULAR_EXPRESSION "SKIP:"
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=qt.multimedia*=false" TIMEOUT 300)
  endforeach()
  set_tests_properties(paquete_construir PROPERTIES FIXTURES_SETUP paquete)
  set_tests_properties(paquete_instalado paquete_lintian PROPERTIES FIXTURES_REQUIRED paquete)
endif()

# The menu entry and the store metadata as the desktops and stores read them.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(DESKTOP_FILE_VALIDATE AND APPSTREAMCLI)
  add_test(NAME escritorio_entrada COMMAND ${DESKTOP_FILE_VALIDATE} ${CMAKE_BINARY_DIR}/paquete/${ORVALIA_ID}.desktop
                                           ${CMAKE_BINARY_DIR}/paquete/${ORVALIA_ID_EDITOR}.desktop)
  add_test(NAME escritorio_metainfo
           COMMAND ${APPSTREAMCLI} validate --no-net ${datos}/escritorio/${ORVALIA_ID}.metainfo.xml)
else()
  message(STATUS "desktop-file-validate or appstreamcli missing: the menu entry and metadata go unchecked")
endif()
