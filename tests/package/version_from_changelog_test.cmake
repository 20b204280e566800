# cmake -DSOURCE_DIR=... -DWORK_DIR=... -P version_from_changelog_test.cmake
# Feeds packaging/version.cmake changelogs, good and bad, and checks what it
# makes of them.
set(failures 0)
macro(expect description actual expected)
  if(NOT "${actual}" STREQUAL "${expected}")
    message(SEND_ERROR "FAIL: ${description}: got \"${actual}\", expected \"${expected}\"")
    math(EXPR failures "${failures} + 1")
  endif()
endmacro()
file(MAKE_DIRECTORY ${WORK_DIR})

# Two releases: the newest names the version, both become AppStream releases.
set(VISTREL_CHANGELOG ${WORK_DIR}/two-entries)
file(WRITE ${VISTREL_CHANGELOG} [[
vistrel (1.2.10) unstable; urgency=medium

  * Second release (not a heading: vistrel (9.9) inside the text).

 -- Qualdrex <support@vistrel.example>  Sat, 3 Apr 2027 09:00:00 +0200

vistrel (1.0) unstable; urgency=medium

  * First release.

 -- Qualdrex <support@vistrel.example>  Tue, 08 Dec 2026 21:30:00 +0000
]])
unset(VISTREL_VERSION)
include(${SOURCE_DIR}/packaging/version.cmake)
expect("newest version" "${VISTREL_VERSION}" "1.2.10")
expect("releases, newest first, dates as ISO 8601" "${VISTREL_METAINFO_RELEASES}"
       "<release version=\"1.2.10\" date=\"2027-04-03\"/>\n    <release version=\"1.0\" date=\"2026-12-08\"/>")

# The project's own changelog gives a version cmake's project() accepts.
unset(VISTREL_CHANGELOG)
include(${SOURCE_DIR}/packaging/version.cmake)
if(NOT VISTREL_VERSION MATCHES "^[0-9]+(\\.[0-9]+)*$")
  message(SEND_ERROR "FAIL: packaging/changelog gives \"${VISTREL_VERSION}\"")
  math(EXPR failures "${failures} + 1")
endif()

# Bad changelogs stop the configuration with a message naming the fault.
function(expect_refused name text needle)
  file(WRITE ${WORK_DIR}/${name} "${text}")
  execute_process(COMMAND ${CMAKE_COMMAND} -DVISTREL_CHANGELOG=${WORK_DIR}/${name}
                          -P ${SOURCE_DIR}/packaging/version.cmake
                  RESULT_VARIABLE result ERROR_VARIABLE error)
  # CMake wraps its messages at a width, so where a line breaks depends on
  # the length of the path in front: compare with the white space folded.
  string(REGEX REPLACE "[ \t\r\n]+" " " folded "${error}")
  string(FIND "${folded}" "${needle}" at)
  if(result EQUAL 0 OR at LESS 0)
    message(SEND_ERROR "FAIL: ${name} was not refused with \"${needle}\": ${error}")
    set(failures 1 PARENT_SCOPE)
  endif()
endfunction()
expect_refused(no-entry "nothing here\n" "every entry needs")
expect_refused(no-trailer "vistrel (1.0) unstable; urgency=medium\n\n  * x\n" "every entry needs")
expect_refused(debian-revision
  "vistrel (1.0-1) unstable; urgency=medium\n\n  * x\n\n -- Q <q@x.example>  Tue, 08 Dec 2026 21:30:00 +0000\n"
  "dotted numbers")
expect_refused(bad-date
  "vistrel (1.0) unstable; urgency=medium\n\n  * x\n\n -- Q <q@x.example>  2026-12-08\n"
  "has no date")
expect_refused(bad-month
  "vistrel (1.0) unstable; urgency=medium\n\n  * x\n\n -- Q <q@x.example>  Tue, 08 Dez 2026 21:30:00 +0000\n"
  "unknown month")

if(failures)
  message(FATAL_ERROR "version.cmake checks failed")
endif()
message(STATUS "all version checks passed")
