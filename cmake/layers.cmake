# Each library exports only its own headers: its source folder is linked, under the name
# the includes spell ("engine", "ui/main", ...), into a staging folder of its own in the
# build tree, and that staging folder is the library's one public include path. A layer
# therefore sees the headers of the libraries it links and nothing above them.
function(orrindel_public_headers target folder)
  set(stage ${PROJECT_BINARY_DIR}/include/${target})
  get_filename_component(parent ${stage}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${stage}/${folder} SYMBOLIC)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL INTERFACE_LIBRARY)
    target_include_directories(${target} INTERFACE ${stage})
  else()
    target_include_directories(${target} PUBLIC ${stage})
  endif()
endfunction()
