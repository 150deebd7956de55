# Writes the table of libical's time zones (src/core/ical_zone_table.h) from the zoneinfo folder
# installed with libical: each zone zones.tab names, with the VTIMEZONE of its file, by name.
#
#   cmake -DZONEINFO=DIR -DOUTPUT=FILE -P ical_zone_table.cmake
file(STRINGS "${ZONEINFO}/zones.tab" rows)
set(locations)
foreach(row IN LISTS rows)
  if(row MATCHES "([^ \t]+)[ \t]*$")
    list(APPEND locations "${CMAKE_MATCH_1}")
  endif()
endforeach()
list(SORT locations)
list(REMOVE_DUPLICATES locations)

set(table "")
set(count 0)
foreach(location IN LISTS locations)
  set(file "${ZONEINFO}/${location}.ics")
  if(NOT EXISTS "${file}")
    continue()
  endif()
  file(READ "${file}" text)
  string(FIND "${text}" "BEGIN:VTIMEZONE" begin)
  string(FIND "${text}" "END:VTIMEZONE" end)
  if(begin EQUAL -1 OR end LESS begin)
    continue()
  endif()
  math(EXPR length "${end} + 13 - ${begin}")
  string(SUBSTRING "${text}" ${begin} ${length} zone)
  string(REPLACE "\r" "" zone "${zone}")
  string(REPLACE "\\" "\\\\" zone "${zone}")
  string(REPLACE "\"" "\\\"" zone "${zone}")
  string(REPLACE "\n" "\\n\"\n     \"" zone "${zone}")
  string(APPEND table "    {\"${location}\",\n     \"${zone}\\n\"},\n")
  math(EXPR count "${count} + 1")
endforeach()
if(count EQUAL 0)
  message(FATAL_ERROR "no zone of libical in ${ZONEINFO}")
endif()

file(WRITE "${OUTPUT}.new"
     "// Written by cmake/ical_zone_table.cmake from libical's zoneinfo; not to be edited.\n"
     "#include \"core/ical_zone_table.h\"\n\nnamespace tezun {\n\nconst IcalZoneText kIcalZones[] = {\n"
     "${table}};\n\nconst size_t kIcalZoneCount = ${count};\n\n}  // namespace tezun\n")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
