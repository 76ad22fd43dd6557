# duva_embed_forms(<target> <file>...): embeds form descriptions into <target>.
# Each file is registered under its base name, which is the name of the class
# it describes (resources/TMainForm.form describes TMainForm). The generated
# source is compiled into the target itself, so its registration always runs.
function(duva_embed_forms target)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_forms.cpp)
  set(files)
  foreach(f IN LISTS ARGN)
    get_filename_component(abs ${f} ABSOLUTE BASE_DIR ${CMAKE_SOURCE_DIR})
    list(APPEND files ${abs})
  endforeach()
  string(REPLACE ";" "|" joined "${files}")
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DOUT=${out} "-DFILES=${joined}" -P ${DUVA_EMBED_SCRIPT}
    DEPENDS ${files} ${DUVA_EMBED_SCRIPT}
    COMMENT "Embedding form descriptions into ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE ${out})
  target_link_libraries(${target} PRIVATE platform_vcl)
endfunction()

set(DUVA_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedForms.cmake)
