# Builds the Debian package, unpacks it into a throw-away root and plays it
# there as a new player would. Three steps, one per test:
#
#   cmake -DPASO=construir -DBUILD=<build dir> -DTRABAJO=<scratch> -P ComprobarPaquete.cmake
#                                build it; what the programs load at run time
#                                is in its Depends
#   cmake -DPASO=instalado ...   unpack, play one question from another folder
#                                with a fresh home, check the player's base
#                                counts it and nothing changed under the root
#   cmake -DPASO=lintian ...     lintian finds no error
#
# Each step is skipped (a line starting "SKIP:") where dpkg is absent.
include(${CMAKE_CURRENT_LIST_DIR}/Instalado.cmake)
find_program(DPKG_DEB dpkg-deb)
if(NOT DPKG_DEB)
  message("SKIP: dpkg is absent, so the Debian package can be neither built nor unpacked here")
  return()
endif()

set(salida "${TRABAJO}/cpack")
set(raiz "${TRABAJO}/raiz")
set(casa "${TRABAJO}/casa")

if(PASO STREQUAL "construir")
  file(REMOVE_RECURSE "${TRABAJO}")
  execute_process(COMMAND ${CMAKE_CPACK_COMMAND} --config "${BUILD}/CPackConfig.cmake" -B "${salida}"
                  RESULT_VARIABLE r OUTPUT_VARIABLE o ERROR_VARIABLE o)
  file(GLOB deb "${salida}/orvalia_*.deb")
  if(r OR NOT deb)
    message(FATAL_ERROR "cpack made no package (${r}):\n${o}")
  endif()
  message(STATUS "built ${deb}")

  # What the programs load or read at run time, which dpkg-shlibdeps cannot
  # see in the binaries: the package holding each here must be in Depends,
  # alone or as one of its alternatives.
  set(cargados
    "*/qt6/translations/qt_es.qm"                        # Qt's texts in Spanish
    "*/gstreamer-1.0/libgstplayback.so"                  # the music played
    "*/gstreamer-1.0/libgstmpg123.so"                    # MP3
    "*/gstreamer-1.0/libgstautodetect.so"                # the default sink
    "*/gstreamer-1.0/libgstalsa.so"                      # a sink
    "*/truetype/liberation2/LiberationSans-Regular.ttf") # the board's font
  execute_process(COMMAND ${DPKG_DEB} -f "${deb}" Depends OUTPUT_VARIABLE depende OUTPUT_STRIP_TRAILING_WHITESPACE)
  foreach(c IN LISTS cargados)
    execute_process(COMMAND dpkg -S "${c}" RESULT_VARIABLE r OUTPUT_VARIABLE o ERROR_QUIET)
    if(r OR NOT o MATCHES "^([^:, ]+)")
      message(FATAL_ERROR "no installed package holds ${c}: install tools/setup/install-deps.sh's packages")
    endif()
    set(p "${CMAKE_MATCH_1}")
    if(NOT depende MATCHES "(^|[ ,|])${p}([ ,|(]|$)")
      message(FATAL_ERROR "the package does not depend on ${p}, which holds ${c}; Depends: ${depende}")
    endif()
  endforeach()
  return()
endif()

file(GLOB deb "${salida}/orvalia_*.deb")
if(NOT deb)
  message(FATAL_ERROR "no package in ${salida}: the step that builds it failed")
endif()

if(PASO STREQUAL "lintian")
  find_program(LINTIAN lintian)
  if(NOT LINTIAN)
    message("SKIP: lintian is absent")
    return()
  endif()
  execute_process(COMMAND ${LINTIAN} --allow-root "${deb}" OUTPUT_VARIABLE o ERROR_VARIABLE o)
  message("${o}")
  if(o MATCHES "(^|\n)E: ")
    message(FATAL_ERROR "lintian reports errors")
  endif()
  return()
endif()

if(NOT PASO STREQUAL "instalado")
  message(FATAL_ERROR "unknown step '${PASO}'")
endif()

# Every file and folder below the root with its content's hash.
function(inventario carpeta resultado)
  file(GLOB_RECURSE todo LIST_DIRECTORIES true RELATIVE "${carpeta}" "${carpeta}/*")
  list(SORT todo)
  set(lista "")
  foreach(f IN LISTS todo)
    if(IS_DIRECTORY "${carpeta}/${f}")
      string(APPEND lista "${f}/\n")
    else()
      file(SHA256 "${carpeta}/${f}" h)
      string(APPEND lista "${f} ${h}\n")
    endif()
  endforeach()
  set(${resultado} "${lista}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${raiz}" "${casa}")
file(MAKE_DIRECTORY "${casa}")
execute_process(COMMAND ${DPKG_DEB} -x "${deb}" "${raiz}" RESULT_VARIABLE r)
if(r)
  message(FATAL_ERROR "dpkg-deb -x failed: ${r}")
endif()
exigir_archivos("${raiz}" "not in the package"
  usr/games/orvalia usr/games/orvalia-qdb usr/games/orvalia-editor
  usr/lib/games/orvalia/libRespuesta.so usr/lib/games/orvalia/libComodines.so
  usr/lib/games/orvalia/libOrvaliaSonido.so
  usr/share/games/orvalia/QBase.qdb usr/share/games/orvalia/QBase.bak usr/share/games/orvalia/QBase.citas
  usr/share/games/orvalia/Orvalia.html "usr/share/games/orvalia/Imágenes/NP.ico"
  usr/share/games/orvalia/MP3/sonido0.mp3
  usr/share/applications/io.github.orvalia.Orvalia.desktop
  usr/share/applications/io.github.orvalia.Editor.desktop
  usr/share/icons/hicolor/48x48/apps/orvalia.png usr/share/icons/hicolor/48x48/apps/orvalia-editor.png
  usr/share/metainfo/io.github.orvalia.Orvalia.metainfo.xml
  usr/share/man/man6/orvalia.6.gz usr/share/man/man6/orvalia-qdb.6.gz usr/share/man/man6/orvalia-editor.6.gz
  usr/share/doc/orvalia/copyright usr/share/doc/orvalia/changelog.Debian.gz)
inventario("${raiz}" antes)

# A new player: an empty home, started from there, not from the program's folder.
set(entorno --unset=ORVALIA_MEDIR_ARRANQUE --unset=LD_LIBRARY_PATH
            HOME=${casa} XDG_DATA_HOME=${casa}/.local/share XDG_CONFIG_HOME=${casa}/.config
            XDG_CACHE_HOME=${casa}/.cache XDG_RUNTIME_DIR=${casa}/run)
file(MAKE_DIRECTORY "${casa}/run")
arrancar_instalado("${casa}" "the installed game failed" ${entorno} ORVALIA_UNA_PREGUNTA=1 "${raiz}/usr/games/orvalia")
if(NOT salida MATCHES "(^|\n)([0-9]+)\n?$")
  message(FATAL_ERROR "the installed game asked no question:\n${salida}\n${errores}")
endif()
set(id "${CMAKE_MATCH_2}")

# The player's own base, where the installed tool says the game keeps it.
set(base "${casa}/.local/share/Orvalia/QBase.qdb")
if(NOT EXISTS "${base}")
  message(FATAL_ERROR "no per-user question base at ${base}")
endif()
if(NOT EXISTS "${casa}/.local/share/Orvalia/QBase.citas")
  message(FATAL_ERROR "no per-user passages beside ${base}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env ${entorno} "${raiz}/usr/games/orvalia-qdb" path
                OUTPUT_VARIABLE ruta OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE r)
if(r OR NOT ruta STREQUAL base)
  message(FATAL_ERROR "orvalia-qdb path gives '${ruta}' (${r}), the game wrote ${base}")
endif()

# Counted: question ${id} asked once, every other question never (the first
# start reshuffles the base and sets every count to zero).
execute_process(COMMAND "${raiz}/usr/games/orvalia-qdb" export "${base}" "${TRABAJO}/base.csv" RESULT_VARIABLE r)
if(r)
  message(FATAL_ERROR "orvalia-qdb cannot read the player's base: ${r}")
endif()
file(STRINGS "${TRABAJO}/base.csv" lineas ENCODING UTF-8)
set(filas 0)
set(contadas "")
foreach(l IN LISTS lineas)
  # A row ends with Veces, ID and an empty Etiquetas column.
  if(l MATCHES ",([0-9]+),([0-9]+),$")
    math(EXPR filas "${filas} + 1")
    if(NOT CMAKE_MATCH_1 EQUAL 0)
      list(APPEND contadas "${CMAKE_MATCH_2}:${CMAKE_MATCH_1}")
    endif()
  endif()
endforeach()
if(filas LESS 100 OR NOT contadas STREQUAL "${id}:1")
  message(FATAL_ERROR "the player's base should count question ${id} once; rows ${filas}, counted ${contadas}")
endif()

# The installed editor opens the same base, the player's own.
arrancar_instalado("${casa}" "the installed editor did not open the player's base"
                   ${entorno} ORVALIA_MEDIR_ARRANQUE=1 "${raiz}/usr/games/orvalia-editor")

inventario("${raiz}" despues)
if(NOT antes STREQUAL despues)
  string(REPLACE "\n" ";" a "${antes}")
  string(REPLACE "\n" ";" d "${despues}")
  set(nuevos ${d})
  list(REMOVE_ITEM nuevos ${a})
  list(REMOVE_ITEM a ${d})
  message(FATAL_ERROR "the game wrote under the install root: new or changed ${nuevos}; gone or changed ${a}")
endif()
file(REMOVE_RECURSE "${raiz}" "${casa}")
message(STATUS "the installed game counted question ${id} in ${base}")
