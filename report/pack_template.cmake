# Packs the report template's parts (readable XML under SOURCE) into the
# Office Open XML package OUTPUT. Run with cmake -P.
file(GLOB_RECURSE parts LIST_DIRECTORIES false RELATIVE "${SOURCE}" "${SOURCE}/*")
list(SORT parts)
# Readers look for the content types first; keep that part at the front.
list(REMOVE_ITEM parts "[Content_Types].xml")
list(PREPEND parts "[Content_Types].xml")
find_program(ZIP zip REQUIRED)
file(REMOVE "${OUTPUT}.partial")
# -X: no file attributes beyond the standard ones; -D: no folder entries;
# -nw: "[Content_Types].xml" is a name, not a pattern.
execute_process(
  COMMAND "${ZIP}" -X -D -q -nw "${OUTPUT}.partial" ${parts}
  WORKING_DIRECTORY "${SOURCE}"
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "Cannot pack the report template into ${OUTPUT}")
endif()
file(RENAME "${OUTPUT}.partial" "${OUTPUT}")
