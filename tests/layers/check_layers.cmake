# Fails when a file in src/ includes a header from a layer above its own.
# Layers bottom up; a file may include from its own layer and those below.
set(layers reading web services actions ui/widgets ui app)
get_filename_component(SOURCE_DIR ${SOURCE_DIR} ABSOLUTE)

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)

# Which layer holds each header name.
foreach(file ${sources})
  get_filename_component(name ${file} NAME)
  get_filename_component(dir ${file} DIRECTORY)
  set(layer_of_${name} ${dir})
endforeach()

set(failures "")
foreach(file ${sources})
  get_filename_component(dir ${file} DIRECTORY)
  list(FIND layers ${dir} own)
  if(own EQUAL -1)
    string(APPEND failures "\n  ${file}: not in any layer")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^#include \"")
  foreach(line ${includes})
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
    get_filename_component(name ${header} NAME)
    if(NOT DEFINED layer_of_${name})
      continue() # generated: ui_*.h, moc, version.h
    endif()
    set(target_layer ${layer_of_${name}})
    list(FIND layers ${target_layer} theirs)
    if(theirs GREATER own)
      string(APPEND failures "\n  ${file} includes ${header} from ${target_layer}/, a layer above ${dir}/")
    elseif(dir STREQUAL "web" AND NOT target_layer STREQUAL "web")
      string(APPEND failures "\n  ${file} includes ${header}; web rules stand on their own")
    endif()
  endforeach()
endforeach()

if(failures)
  message(FATAL_ERROR "Includes that point up:${failures}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files, every include points down")
