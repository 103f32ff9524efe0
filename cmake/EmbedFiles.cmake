# Turns asset files into C++ sources holding their bytes, so the game binary
# carries every asset and reads nothing from disk at run time.
#
#   coilwend_embed(<target> <symbol> <file>)
# adds a source to <target> that defines
#   extern const unsigned char <symbol>[]; extern const std::size_t <symbol>_size;
function(coilwend_embed target symbol file)
  set(out "${CMAKE_CURRENT_BINARY_DIR}/embedded/${symbol}.cpp")
  add_custom_command(
    OUTPUT "${out}"
    COMMAND ${CMAKE_COMMAND} -DIN=${file} -DOUT=${out} -DSYMBOL=${symbol}
            -P "${PROJECT_SOURCE_DIR}/cmake/EmbedOne.cmake"
    DEPENDS "${file}" "${PROJECT_SOURCE_DIR}/cmake/EmbedOne.cmake"
    COMMENT "Embedding ${file}"
    VERBATIM)
  target_sources(${target} PRIVATE "${out}")
endfunction()
