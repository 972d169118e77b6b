# The browser build (emscripten): the game as a static site, and kvtool for
# node so the tests can compare its files with the native one's.

# The pictures and sounds come from the native build's generator.
set(KV_WEB_DATA ${CMAKE_SOURCE_DIR}/build/data CACHE PATH "The native build's data folder")
set(KV_WEB_SITE ${CMAKE_BINARY_DIR}/site CACHE PATH "Where the page and its files go")

# kvtool's JSON is a header-only library; only its own folder is taken from
# the system, never the system's C library headers.
set(KV_JSON_INCLUDE ${CMAKE_BINARY_DIR}/json-include)
file(MAKE_DIRECTORY ${KV_JSON_INCLUDE})
file(COPY /usr/include/nlohmann DESTINATION ${KV_JSON_INCLUDE})
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
  INTERFACE_INCLUDE_DIRECTORIES ${KV_JSON_INCLUDE})

# kv_web_page(TARGET): links TARGET as the page's program (korvessa.js with the
# page's script inside, korvessa.wasm) and puts the page and the data beside
# it, into KV_WEB_SITE.
function(kv_web_page target)
  set(web ${CMAKE_SOURCE_DIR}/web)
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME korvessa SUFFIX ".js" RUNTIME_OUTPUT_DIRECTORY ${KV_WEB_SITE})
  target_link_options(${target} PRIVATE
    # The screen loop never returns: the page gets control back at every present.
    -sASYNCIFY -sASYNCIFY_STACK_SIZE=65536
    -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=67108864
    -sENVIRONMENT=web -sFORCE_FILESYSTEM=1 -lidbfs.js
    "SHELL:--pre-js ${web}/page.js")
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS
    ${web}/page.js)
  # The page, the manual and the pictures and sounds, which travel as one
  # gzip-compressed tar file (a tenth of their size) the page unpacks.
  set(site_files ${KV_WEB_SITE}/index.html ${KV_WEB_SITE}/korvessa.css ${KV_WEB_SITE}/KV-MANUAL.HTML)
  add_custom_command(OUTPUT ${site_files}
    COMMAND ${CMAKE_COMMAND} -E copy ${web}/index.html ${web}/korvessa.css ${KV_WEB_SITE}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/docs/KV-MANUAL.HTML ${KV_WEB_SITE}
    DEPENDS ${web}/index.html ${web}/korvessa.css ${CMAKE_SOURCE_DIR}/docs/KV-MANUAL.HTML
    VERBATIM)
  add_custom_command(OUTPUT ${KV_WEB_SITE}/korvessa-data.tar.gz
    COMMAND ${CMAKE_COMMAND} -E tar czf ${KV_WEB_SITE}/korvessa-data.tar.gz --format=gnutar
      Images Terrain Sounds
    WORKING_DIRECTORY ${KV_WEB_DATA}
    DEPENDS ${KV_WEB_DATA}/.assetgen-stamp
    VERBATIM)
  add_custom_target(${target}_site DEPENDS ${site_files} ${KV_WEB_SITE}/korvessa-data.tar.gz)
  add_dependencies(${target} ${target}_site)
endfunction()

# kvtool under node, on the real file system, for the tests.
function(kv_web_node_tool target)
  target_compile_options(${target} PRIVATE -fexceptions)
  target_link_options(${target} PRIVATE -fexceptions -sNODERAWFS=1 -sEXIT_RUNTIME=1
    -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=node
    # Compiled at once: node's own fetch cannot read the .wasm from a file path.
    -sWASM_ASYNC_COMPILATION=0)
endfunction()
