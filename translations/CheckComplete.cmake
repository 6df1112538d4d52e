# Whether every translation is complete: runs lupdate over the sources into a copy of each
# .ts file and fails when a message is then new (unfinished), gone from the sources
# (vanished or obsolete) or left empty. The repository's files are not touched.
# cmake -DLUPDATE=... -DSOURCES=<list file> -DTS_FILES=<a;b> -DWORK=<dir> -P CheckComplete.cmake
set(problems "")
foreach(ts IN LISTS TS_FILES)
  cmake_path(GET ts FILENAME name)
  file(MAKE_DIRECTORY ${WORK})
  file(COPY_FILE ${ts} ${WORK}/${name})
  execute_process(COMMAND ${LUPDATE} -silent -locations none @${SOURCES} -ts ${WORK}/${name}
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "lupdate failed on ${name}")
  endif()
  file(READ ${WORK}/${name} text)
  string(REGEX MATCHALL
         "<source>[^<]*</source>[ \n]*<translation( type=\"(unfinished|vanished|obsolete)\"[^>]*)?>(</translation>)?"
         messages "${text}")
  foreach(message IN LISTS messages)
    if(message MATCHES "type=\"|></translation>$")
      string(REGEX REPLACE "^<source>([^<]*)</source>.*type=\"([a-z]+)\".*$" "\\2: \\1" what "${message}")
      string(REGEX REPLACE "^<source>([^<]*)</source>.*></translation>$" "empty: \\1" what "${what}")
      string(APPEND problems "  ${name}: ${what}\n")
    endif()
  endforeach()
endforeach()
if(problems)
  message(FATAL_ERROR "Translations are not complete; run `cmake --build <build> --target "
                      "update_translations`, translate, and drop what is gone:\n${problems}")
endif()
message(STATUS "Every string is translated in ${TS_FILES}")
