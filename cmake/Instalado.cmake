# What the install check (ComprobarInstalacion.cmake) and the package check
# (ComprobarPaquete.cmake) both ask of an installed copy. Included by them.

# exigir_archivos(RAIZ MENSAJE FILE...): every FILE is there below RAIZ;
# else the check stops with MENSAJE and the first file missing.
function(exigir_archivos raiz mensaje)
  foreach(f IN LISTS ARGN)
    if(NOT EXISTS "${raiz}/${f}")
      message(FATAL_ERROR "${mensaje}: ${f}")
    endif()
  endforeach()
endfunction()

# arrancar_instalado(CARPETA MENSAJE [VAR=VALUE | --unset=VAR]... PROGRAM
# [ARG...]): runs an installed program from CARPETA with that environment
# (cmake -E env), for two minutes at most. A failure stops the check with
# MENSAJE, the exit status and what the program wrote; otherwise its
# standard output and error are left in `salida` and `errores`.
function(arrancar_instalado carpeta mensaje)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${ARGN}
                  WORKING_DIRECTORY "${carpeta}"
                  RESULT_VARIABLE r OUTPUT_VARIABLE o ERROR_VARIABLE e TIMEOUT 120)
  if(r)
    message(FATAL_ERROR "${mensaje} (${r}):\n${o}\n${e}")
  endif()
  set(salida "${o}" PARENT_SCOPE)
  set(errores "${e}" PARENT_SCOPE)
endfunction()
