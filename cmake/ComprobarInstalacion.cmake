# Installs the build into a scratch prefix and checks that the game stands on
# its own there: program, libraries, data, help, menu entry and icon, and that
# the installed program starts to its board from another working folder.
# cmake -DBUILD=<build dir> -DPREFIX=<scratch prefix> -P ComprobarInstalacion.cmake
include(${CMAKE_CURRENT_LIST_DIR}/Instalado.cmake)
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE r OUTPUT_QUIET)
if(r)
  message(FATAL_ERROR "cmake --install failed: ${r}")
endif()
exigir_archivos("${PREFIX}" "not installed"
  bin/Orvalia bin/orvalia-editor bin/libRespuesta.so bin/libComodines.so bin/libOrvaliaSonido.so bin/Orvalia.html bin/QBase.qdb bin/QBase.citas
  "bin/Imágenes/NP.ico" "bin/Imágenes/Orvalia.gif" "bin/Imágenes/Logo.jpg" "bin/Imágenes/NP1.jpg"
  share/applications/io.github.orvalia.Orvalia.desktop share/icons/hicolor/256x256/apps/orvalia.png
  share/applications/io.github.orvalia.Editor.desktop share/icons/hicolor/256x256/apps/orvalia-editor.png)
file(READ "${PREFIX}/share/applications/io.github.orvalia.Orvalia.desktop" entrada)
if(NOT entrada MATCHES "Exec=\"${PREFIX}/bin/Orvalia\"")
  message(FATAL_ERROR "the menu entry does not start the installed program:\n${entrada}")
endif()
if(NOT entrada MATCHES "Icon=orvalia")
  message(FATAL_ERROR "the menu entry names no icon:\n${entrada}")
endif()
file(READ "${PREFIX}/share/applications/io.github.orvalia.Editor.desktop" entrada)
if(NOT entrada MATCHES "Exec=\"${PREFIX}/bin/orvalia-editor\"" OR NOT entrada MATCHES "Icon=orvalia-editor")
  message(FATAL_ERROR "the editor's menu entry does not start the installed editor with its icon:\n${entrada}")
endif()

# Started from elsewhere, with a store of its own, it must reach its board.
set(config "${PREFIX}/config")
file(WRITE "${config}/Orvalia/Orvalia.ini" "[Inicio]\nFirstRun=False\n")
arrancar_instalado("${config}" "the installed program did not reach its board"
                   XDG_CONFIG_HOME=${config} ORVALIA_MEDIR_ARRANQUE=1 "${PREFIX}/bin/Orvalia")

# The installed editor opens the base the game plays from.
arrancar_instalado("${config}" "the installed editor did not open the game's base"
                   XDG_CONFIG_HOME=${config} ORVALIA_MEDIR_ARRANQUE=1 "${PREFIX}/bin/orvalia-editor")
file(REMOVE_RECURSE "${PREFIX}")
message(STATUS "installed game reached its board; the installed editor opened its base")
