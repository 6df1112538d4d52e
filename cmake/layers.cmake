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

# A target whose sources hold user-visible text calls this in its own CMakeLists.txt; the
# translations then take their strings from its sources. The completeness test fails for
# any target with text that does not call it.
function(orrindel_translated target)
  get_property(collected GLOBAL PROPERTY ORRINDEL_TRANSLATIONS_COLLECTED)
  if(collected)
    message(FATAL_ERROR "orrindel_translated(${target}) comes after the translations were "
                        "collected: add its folder before add_subdirectory(translations)")
  endif()
  set_property(GLOBAL APPEND PROPERTY ORRINDEL_TRANSLATED_TARGETS ${target})
endfunction()

# Writes every target of the build outside tests/ with its source files, one "target|path"
# a line, for the completeness test to find text in a target that is not registered.
# Deferred to the end of the top folder, once every folder has added its targets.
function(orrindel_write_built_sources)
  set(lines "")
  set(folders ${PROJECT_SOURCE_DIR})
  while(folders)
    list(POP_FRONT folders folder)
    get_property(subfolders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
    list(APPEND folders ${subfolders})
    get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
      get_target_property(sources ${target} SOURCES)
      get_target_property(dir ${target} SOURCE_DIR)
      string(FIND "${dir}/" "${PROJECT_SOURCE_DIR}/tests/" tests_at)
      if(NOT sources OR tests_at EQUAL 0)
        continue()
      endif()
      foreach(source IN LISTS sources)
        if(source MATCHES "\\$<" OR NOT source MATCHES "\\.(cpp|h|qml)$")
          continue()
        endif()
        cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${dir} OUTPUT_VARIABLE path)
        string(FIND "${path}" "${PROJECT_BINARY_DIR}/" generated_at)
        if(NOT generated_at EQUAL 0)
          string(APPEND lines "${target}|${path}\n")
        endif()
      endforeach()
    endforeach()
  endwhile()
  file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/translations/built-sources.lst CONTENT "${lines}")
endfunction()
