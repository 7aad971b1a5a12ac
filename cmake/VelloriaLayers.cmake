# Layers the build enforces. Each layer is an object library compiled with one include folder
# of its own in the build tree, ${CMAKE_BINARY_DIR}/layers/<layer>, which holds symbolic links
# to the folders of the layers it may include (the ones it uses, and theirs in turn) and to
# nothing else: never to the root of platform/ or src/. Includes keep naming their layer
# ("db/DbTable.h"), so an include of a layer above, or beside, fails to compile.
#
#   velloria_layer(<name> [DIR <folder>] [USES <layer>...] [HEADERS <layer>/<file>...]
#                  [EXCLUDE <regex>] [BARE])
#
# DIR      the layer's folder (default: the folder <name> beside the calling CMakeLists.txt);
#          its *.cpp files are the layer's sources, found again whenever one is added.
# USES     the layers it may include; each must be declared before.
# HEADERS  single headers of a layer it may not include as a whole ("app/ToolEntryPoints.h").
# EXCLUDE  sources of the folder that are not part of the layer.
# BARE     its headers are included without the layer's name ("MainWindow.h"): its folder
#          itself is the include folder given to the layers that use it.
#
# The library is layer_<name> (an interface library while the folder has headers alone). It
# compiles the sources only: the shipped libraries link the objects (velloria_layer_objects)
# and whatever else they need. layer_<name>_headers compiles every header of the folder once.

# Removes what a layer's include folder holds that it should no longer hold. Only symbolic
# links and the folders they stood in are removed: a link is never followed, so nothing the
# links point to can be touched.
function(_velloria_prune_links folder keep)
  file(GLOB entries LIST_DIRECTORIES true "${folder}/*")
  foreach(entry ${entries})
    if(IS_SYMLINK "${entry}")
      list(FIND keep "${entry}" index)
      if(index EQUAL -1)
        file(REMOVE "${entry}")
      endif()
    elseif(IS_DIRECTORY "${entry}")
      _velloria_prune_links("${entry}" "${keep}")
      file(GLOB left "${entry}/*")
      if(NOT left)
        file(REMOVE "${entry}")
      endif()
    endif()
  endforeach()
endfunction()

function(_velloria_link target link)
  get_filename_component(parent "${link}" DIRECTORY)
  file(MAKE_DIRECTORY "${parent}")
  if(IS_SYMLINK "${link}")
    file(READ_SYMLINK "${link}" current)
    if(current STREQUAL target)
      return()
    endif()
    file(REMOVE "${link}")
  endif()
  file(CREATE_LINK "${target}" "${link}" SYMBOLIC)
endfunction()

function(velloria_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "BARE" "DIR;EXCLUDE" "USES;HEADERS")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "velloria_layer(${name}): unknown arguments ${arg_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT arg_DIR)
    set(arg_DIR ${CMAKE_CURRENT_SOURCE_DIR}/${name})
  endif()
  get_property(declared GLOBAL PROPERTY VELLORIA_LAYER_DIR_${name} SET)
  if(declared)
    message(FATAL_ERROR "velloria_layer(${name}): declared twice")
  endif()

  # What it may include: itself, the layers it uses and all they may include.
  set(closure ${name})
  foreach(dep ${arg_USES})
    get_property(known GLOBAL PROPERTY VELLORIA_LAYER_DIR_${dep} SET)
    if(NOT known)
      message(FATAL_ERROR "velloria_layer(${name}): uses ${dep}, which is not a layer declared before it")
    endif()
    get_property(dep_closure GLOBAL PROPERTY VELLORIA_LAYER_CLOSURE_${dep})
    list(APPEND closure ${dep_closure})
  endforeach()
  list(REMOVE_DUPLICATES closure)
  set_property(GLOBAL PROPERTY VELLORIA_LAYER_DIR_${name} ${arg_DIR})
  set_property(GLOBAL PROPERTY VELLORIA_LAYER_CLOSURE_${name} ${closure})
  set_property(GLOBAL PROPERTY VELLORIA_LAYER_BARE_${name} ${arg_BARE})

  set(include_dir ${CMAKE_BINARY_DIR}/layers/${name})
  set(links)
  foreach(layer ${closure})
    get_property(dir GLOBAL PROPERTY VELLORIA_LAYER_DIR_${layer})
    get_property(bare GLOBAL PROPERTY VELLORIA_LAYER_BARE_${layer})
    if(NOT bare)
      _velloria_link("${dir}" "${include_dir}/${layer}")
      list(APPEND links "${include_dir}/${layer}")
    endif()
  endforeach()
  foreach(header ${arg_HEADERS})
    string(REGEX MATCH "^[^/]+" layer "${header}")
    string(REGEX REPLACE "^[^/]+/" "" file "${header}")
    get_property(dir GLOBAL PROPERTY VELLORIA_LAYER_DIR_${layer})
    if(NOT dir OR NOT EXISTS "${dir}/${file}")
      message(FATAL_ERROR "velloria_layer(${name}): no header ${header}")
    endif()
    _velloria_link("${dir}/${file}" "${include_dir}/${header}")
    list(APPEND links "${include_dir}/${header}")
  endforeach()
  file(MAKE_DIRECTORY "${include_dir}")
  _velloria_prune_links("${include_dir}" "${links}")

  file(GLOB sources CONFIGURE_DEPENDS ${arg_DIR}/*.cpp)
  if(arg_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "${arg_EXCLUDE}")
  endif()
  # A layer of headers alone (for now) compiles nothing.
  if(sources)
    add_library(layer_${name} OBJECT ${sources})
    set(scope PUBLIC)
  else()
    add_library(layer_${name} INTERFACE)
    set(scope INTERFACE)
  endif()
  target_include_directories(layer_${name} ${scope} ${include_dir})
  if(arg_BARE)
    target_include_directories(layer_${name} ${scope} ${arg_DIR})
  endif()
  # Through the layers it uses come their own include folders (parts of this one) and the
  # outside libraries their headers need.
  foreach(dep ${arg_USES})
    target_link_libraries(layer_${name} ${scope} layer_${dep})
  endforeach()

  # The layer's headers, each included once in a file of their own compiled with the layer's
  # include folder: a header no source of the layer includes is held to the layer's rules too.
  file(GLOB headers CONFIGURE_DEPENDS ${arg_DIR}/*.h)
  if(headers)
    set(text "// Generated: every header of the layer ${name}.\n")
    foreach(header ${headers})
      get_filename_component(file "${header}" NAME)
      if(arg_BARE)
        string(APPEND text "#include \"${file}\"\n")
      else()
        string(APPEND text "#include \"${name}/${file}\"\n")
      endif()
    endforeach()
    # Rewritten only when the list changes, so a configure does not recompile it.
    file(WRITE ${include_dir}.headers.cpp.new "${text}")
    configure_file(${include_dir}.headers.cpp.new ${include_dir}.headers.cpp COPYONLY)
    add_library(layer_${name}_headers OBJECT ${include_dir}.headers.cpp)
    if(sources)
      # As the layer's sources are compiled, with what it uses privately (Qt for mfcui).
      foreach(property INCLUDE_DIRECTORIES COMPILE_DEFINITIONS COMPILE_OPTIONS)
        set_property(TARGET layer_${name}_headers PROPERTY ${property} $<TARGET_PROPERTY:layer_${name},${property}>)
      endforeach()
    else()
      target_link_libraries(layer_${name}_headers PRIVATE layer_${name})
    endif()
  endif()
endfunction()

# The objects of the layers, to be linked into a library or program.
function(velloria_layer_objects out)
  set(objects)
  foreach(layer ${ARGN})
    get_target_property(type layer_${layer} TYPE)
    if(type STREQUAL "OBJECT_LIBRARY")
      list(APPEND objects $<TARGET_OBJECTS:layer_${layer}>)
    endif()
  endforeach()
  set(${out} ${objects} PARENT_SCOPE)
endfunction()
