# The version of Vistrel is kept in one place: the newest entry of
# packaging/changelog, written as Debian changelogs are. Bumping it there is
# all a release needs; the build, `qxtool --version`, the AppStream metadata
# and the Debian package all read it from here, so they cannot disagree.
#
# Sets VISTREL_VERSION (e.g. 1.0) and VISTREL_METAINFO_RELEASES, one
# <release version=".." date="YYYY-MM-DD"/> line per entry, newest first.
# (VISTREL_CHANGELOG may name another file, for the tests.)
if(NOT VISTREL_CHANGELOG)
  set(VISTREL_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/changelog)
endif()
if(NOT CMAKE_SCRIPT_MODE_FILE)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VISTREL_CHANGELOG})
endif()

file(STRINGS ${VISTREL_CHANGELOG} heads REGEX "^[a-z0-9][a-z0-9.+-]* \\(")
file(STRINGS ${VISTREL_CHANGELOG} trailers REGEX "^ -- ")
list(LENGTH heads head_count)
list(LENGTH trailers trailer_count)
if(head_count EQUAL 0 OR NOT head_count EQUAL trailer_count)
  message(FATAL_ERROR "${VISTREL_CHANGELOG}: every entry needs a heading line "
                      "\"vistrel (VERSION) ...\" and a closing \" -- NAME <MAIL>  DATE\" line.")
endif()

set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(VISTREL_METAINFO_RELEASES "")
math(EXPR last "${head_count} - 1")
foreach(index RANGE ${last})
  list(GET heads ${index} head)
  list(GET trailers ${index} trailer)
  # project(VERSION) only takes dotted numbers, and the package version is
  # the same string, so nothing else is allowed here.
  if(NOT head MATCHES "^vistrel \\(([0-9]+(\\.[0-9]+)*)\\) ")
    message(FATAL_ERROR "${VISTREL_CHANGELOG}: \"${head}\" does not name a version of vistrel made of dotted numbers.")
  endif()
  set(version ${CMAKE_MATCH_1})
  if(NOT trailer MATCHES ">  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "${VISTREL_CHANGELOG}: \"${trailer}\" has no date of the form \"Tue, 08 Dec 2026 21:30:00 +0000\".")
  endif()
  set(day ${CMAKE_MATCH_1})
  set(year ${CMAKE_MATCH_3})
  list(FIND months ${CMAKE_MATCH_2} month)
  if(month LESS 0)
    message(FATAL_ERROR "${VISTREL_CHANGELOG}: unknown month in \"${trailer}\".")
  endif()
  math(EXPR month "${month} + 1")
  string(LENGTH "${day}" day_digits)
  if(day_digits EQUAL 1)
    set(day 0${day})
  endif()
  if(month LESS 10)
    set(month 0${month})
  endif()
  if(index EQUAL 0)
    set(VISTREL_VERSION ${version})
  endif()
  string(APPEND VISTREL_METAINFO_RELEASES "    <release version=\"${version}\" date=\"${year}-${month}-${day}\"/>\n")
endforeach()
string(STRIP "${VISTREL_METAINFO_RELEASES}" VISTREL_METAINFO_RELEASES)
