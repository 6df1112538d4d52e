# Splits ORRINDEL_RELEASE_DATE (YYYY-MM-DD) into ORRINDEL_RELEASE_YEAR and
# ORRINDEL_RELEASE_MONTH, and writes it as RFC 2822 at noon UTC, the form the Debian
# changelog wants, into ORRINDEL_RELEASE_DATE_RFC ("Mon, 07 Dec 2026 12:00:00 +0000").
function(orrindel_split_release_date)
  if(NOT ORRINDEL_RELEASE_DATE MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    message(FATAL_ERROR "ORRINDEL_RELEASE_DATE must be YYYY-MM-DD, not '${ORRINDEL_RELEASE_DATE}'")
  endif()
  set(day_text ${CMAKE_MATCH_3})
  math(EXPR ORRINDEL_RELEASE_YEAR "${CMAKE_MATCH_1}")
  math(EXPR ORRINDEL_RELEASE_MONTH "${CMAKE_MATCH_2}")
  math(EXPR day "${CMAKE_MATCH_3}")
  if(ORRINDEL_RELEASE_MONTH LESS 1 OR ORRINDEL_RELEASE_MONTH GREATER 12 OR day LESS 1 OR day GREATER 31)
    message(FATAL_ERROR "ORRINDEL_RELEASE_DATE '${ORRINDEL_RELEASE_DATE}' is no date")
  endif()

  # The weekday by Sakamoto's method (0 is Sunday): January and February count as months of
  # the year before.
  set(month_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  math(EXPR index "${ORRINDEL_RELEASE_MONTH} - 1")
  list(GET month_offsets ${index} offset)
  set(y ${ORRINDEL_RELEASE_YEAR})
  if(ORRINDEL_RELEASE_MONTH LESS 3)
    math(EXPR y "${y} - 1")
  endif()
  math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")

  set(weekdays Sun Mon Tue Wed Thu Fri Sat)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(GET weekdays ${weekday} weekday_name)
  list(GET months ${index} month_name)
  set(ORRINDEL_RELEASE_DATE_RFC
      "${weekday_name}, ${day_text} ${month_name} ${ORRINDEL_RELEASE_YEAR} 12:00:00 +0000"
      PARENT_SCOPE)
  set(ORRINDEL_RELEASE_YEAR ${ORRINDEL_RELEASE_YEAR} PARENT_SCOPE)
  set(ORRINDEL_RELEASE_MONTH ${ORRINDEL_RELEASE_MONTH} PARENT_SCOPE)
endfunction()
orrindel_split_release_date()
