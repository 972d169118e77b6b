# Fails when a folder of src/ or tools/ includes a folder it may not use.
# Run by CTest (test `layering`) as
#   cmake -DKV_SOURCE_DIR=<tree> -P cmake/CheckLayers.cmake
# Each folder names the folders it sits directly on; it may include those and
# everything they may include. This list is the one picture of the layering:
# HACKING.md describes it, and an include that breaks it fails the suite.
cmake_minimum_required(VERSION 3.20)

set(KV_SITS_ON_platform "")
set(KV_SITS_ON_game platform)
set(KV_SITS_ON_world game)
set(KV_SITS_ON_save game)
set(KV_SITS_ON_ai world save)
set(KV_SITS_ON_handover ai)
set(KV_SITS_ON_ui platform)
set(KV_SITS_ON_shell handover ui)
set(KV_SITS_ON_screens shell)
set(KV_SITS_ON_app screens)
set(KV_SITS_ON_kvtool screens)    # tools/kvtool
set(KV_SITS_ON_assetgen screens)  # tools/assetgen
set(KV_FOLDERS platform game world save ai handover ui shell screens app kvtool assetgen)

if(NOT KV_SOURCE_DIR)
  message(FATAL_ERROR "KV_SOURCE_DIR is not set")
endif()

# Everything a folder may include: itself and the closure of what it sits on.
function(kv_allowed folder out)
  set(allowed ${folder})
  set(queue ${KV_SITS_ON_${folder}})
  while(queue)
    list(POP_FRONT queue next)
    if(NOT next IN_LIST allowed)
      list(APPEND allowed ${next})
      list(APPEND queue ${KV_SITS_ON_${next}})
    endif()
  endwhile()
  set(${out} ${allowed} PARENT_SCOPE)
endfunction()

set(faults "")
foreach(folder IN LISTS KV_FOLDERS)
  if(folder STREQUAL "kvtool" OR folder STREQUAL "assetgen")
    set(dir ${KV_SOURCE_DIR}/tools/${folder})
  else()
    set(dir ${KV_SOURCE_DIR}/src/${folder})
  endif()
  if(NOT IS_DIRECTORY ${dir})
    continue()
  endif()
  kv_allowed(${folder} allowed)
  list(JOIN allowed ", " allowedText)
  file(GLOB_RECURSE files ${dir}/*.h ${dir}/*.cpp)
  foreach(file IN LISTS files)
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z_]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[^\"]*\"([a-z_]+)/.*$" "\\1" used "${line}")
      if(used IN_LIST KV_FOLDERS AND NOT used IN_LIST allowed)
        file(RELATIVE_PATH where ${KV_SOURCE_DIR} ${file})
        string(STRIP "${line}" line)
        list(APPEND faults "${where}: ${line} (${folder} may use ${allowedText})")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "Includes against the layering (cmake/CheckLayers.cmake):\n${text}")
endif()
message(STATUS "Every include keeps to the layering")
