# LibreDWG, vendored in third_party/libredwg and built once outside the build folders by
# scripts/build-libredwg.sh (which only prints the folder when that build is there already).
# Gives the imported library `libredwg` (with LibreDWG's own headers, which the converter
# velloria-dwg-reader uses as dwg2dxf does) and LIBREDWG_DWG2DXF, LibreDWG's converter, which the
# tests and the benchmark compare ours with.
set(LIBREDWG_SCRIPT ${PROJECT_SOURCE_DIR}/scripts/build-libredwg.sh)
set(LIBREDWG_SOURCE_DIR ${PROJECT_SOURCE_DIR}/third_party/libredwg)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${LIBREDWG_SCRIPT} ${LIBREDWG_SOURCE_DIR}/.version)
execute_process(COMMAND bash ${LIBREDWG_SCRIPT}
                RESULT_VARIABLE libredwg_result
                OUTPUT_VARIABLE LIBREDWG_DIR
                OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT libredwg_result EQUAL 0)
  message(FATAL_ERROR "LibreDWG could not be built (scripts/build-libredwg.sh)")
endif()
message(STATUS "LibreDWG: ${LIBREDWG_DIR}")

add_library(libredwg STATIC IMPORTED GLOBAL)
set_target_properties(libredwg PROPERTIES
  IMPORTED_LOCATION ${LIBREDWG_DIR}/build/libredwg.a
  INTERFACE_INCLUDE_DIRECTORIES "${LIBREDWG_SOURCE_DIR}/include;${LIBREDWG_SOURCE_DIR}/src;${LIBREDWG_DIR}/build/src"
  INTERFACE_LINK_LIBRARIES m)
set(LIBREDWG_DWG2DXF ${LIBREDWG_DIR}/build/dwg2dxf)
