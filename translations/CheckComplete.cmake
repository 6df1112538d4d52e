# Whether every translation is complete: runs lupdate over the sources into a copy of each
# .ts file and fails when a message is then new (unfinished), gone from the sources
# (vanished or obsolete) or left empty. The repository's files are not touched.
# It also fails for a target of the build whose sources hold text for translators but which
# does not call orrindel_translated(), so that its strings would never reach the .ts files.
# cmake -DLUPDATE=... -DSOURCES=<list file> -DBUILT=<"target|path" lines> -DTRANSLATED=<a;b>
#       -DTS_FILES=<a;b> -DWORK=<dir> -P CheckComplete.cmake
cmake_policy(VERSION 3.25)
set(problems "")
set(text_calls "(^|[^A-Za-z0-9_])(tr|qsTr|qtTrId|QT_TR_NOOP|QT_TRANSLATE_NOOP[0-9]?|Q_DECLARE_TR_FUNCTIONS|Q(Core|Gui)?Application::translate) *\\(")
file(STRINGS ${BUILT} built)
set(unregistered "")
foreach(line IN LISTS built)
  string(REPLACE "|" ";" fields "${line}")
  list(GET fields 0 target)
  list(GET fields 1 path)
  if(target IN_LIST TRANSLATED OR target IN_LIST unregistered OR NOT EXISTS ${path})
    continue()
  endif()
  file(STRINGS ${path} calls REGEX "${text_calls}" LIMIT_COUNT 1)
  if(calls)
    list(APPEND unregistered ${target})
    string(APPEND problems "  ${target}: text in ${path} is not scanned; call "
                           "orrindel_translated(${target}) in its CMakeLists.txt\n")
  endif()
endforeach()
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
  # A ";" (as in "&amp;") would split a message in two as a CMake list; it is put back below.
  string(REPLACE ";" "@semicolon@" text "${text}")
  string(REGEX MATCHALL
         "<source>[^<]*</source>[ \n]*<translation( type=\"(unfinished|vanished|obsolete)\"[^>]*)?>(</translation>)?"
         messages "${text}")
  foreach(message IN LISTS messages)
    if(message MATCHES "type=\"|></translation>$")
      string(REGEX REPLACE "^<source>([^<]*)</source>.*type=\"([a-z]+)\".*$" "\\2: \\1" what "${message}")
      string(REGEX REPLACE "^<source>([^<]*)</source>.*></translation>$" "empty: \\1" what "${what}")
      string(REPLACE "@semicolon@" ";" what "${what}")
      string(APPEND problems "  ${name}: ${what}\n")
    endif()
  endforeach()
endforeach()
if(problems)
  message(FATAL_ERROR "Translations are not complete (for strings new or gone, run `cmake --build "
                      "<build> --target update_translations`, translate, and drop what is gone):\n"
                      "${problems}")
endif()
message(STATUS "Every string is translated in ${TS_FILES}")
