# What the picture makers' own builds share (included by each one's
# CMakeLists.txt): arte_generador(NAME SOURCE...) builds the maker on C++20
# and Qt Gui, with tools/art (Arte.h) and the game's colours
# (screens/diseno/Colores.h) on its include path.
function(arte_generador nombre)
  find_package(Qt6 REQUIRED COMPONENTS Gui)
  add_executable(${nombre} ${ARGN})
  set_target_properties(${nombre} PROPERTIES CXX_STANDARD 20 CXX_STANDARD_REQUIRED ON)
  target_include_directories(${nombre} PRIVATE ${CMAKE_CURRENT_FUNCTION_LIST_DIR}
                                               ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../../screens/diseno)
  target_link_libraries(${nombre} PRIVATE Qt6::Gui)
endfunction()
