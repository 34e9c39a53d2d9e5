# Reads the NEWS file into the Debian changelog (packaging/changelog in the build folder) and the
# software centre's release notes (ORV_METAINFO_RELEASES), so both tell the same story.
set(orv_news ${PROJECT_SOURCE_DIR}/NEWS)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${orv_news})
# Lines become a CMake list, so their own semicolons (French puts one before a space) wait aside.
set(orv_semicolon "ORVSEMICOLON")
file(READ ${orv_news} orv_news_text)
string(REPLACE ";" "${orv_semicolon}" orv_news_text "${orv_news_text}")
string(REPLACE "\n" ";" orv_news_lines "${orv_news_text}")

if(ORV_MAINTAINER STREQUAL "")
    set(orv_signer "Orv Pendu developers")
else()
    set(orv_signer "${ORV_MAINTAINER}")
endif()

function(orv_xml_escape out text)
    string(REPLACE "&" "&amp;" text "${text}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE ">" "&gt;" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(orv_changelog_text "")
set(orv_releases "")
set(orv_release "")   # the release being read: version;date
set(orv_entries "")   # its changes, one list item each, lines joined by a space
set(orv_entry "")

# Closes the change being read.
macro(orv_news_end_entry)
    if(NOT orv_entry STREQUAL "")
        list(APPEND orv_entries "${orv_entry}")
        set(orv_entry "")
    endif()
endmacro()

# Writes the release being read to both outputs.
macro(orv_news_end_release)
    orv_news_end_entry()
    if(NOT orv_release STREQUAL "")
        list(GET orv_release 0 version)
        list(GET orv_release 1 date)
        execute_process(COMMAND date -u -R -d "${date} 12:00" OUTPUT_VARIABLE stamp
            OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        string(APPEND orv_changelog_text "orv-pendu (${version}) unstable; urgency=medium\n\n")
        string(APPEND orv_releases "    <release version=\"${version}\" date=\"${date}\">\n"
            "      <description>\n        <ul>\n")
        foreach(entry IN LISTS orv_entries)
            # Debian's changelog keeps the lines under 80 columns: the NEWS lines as they are.
            string(REPLACE "\n" "\n    " wrapped "${entry}")
            string(APPEND orv_changelog_text "  * ${wrapped}\n")
            string(REPLACE "\n" " " joined "${entry}")
            orv_xml_escape(joined "${joined}")
            string(APPEND orv_releases "          <li>${joined}</li>\n")
        endforeach()
        string(APPEND orv_changelog_text "\n -- ${orv_signer}  ${stamp}\n\n")
        string(APPEND orv_releases "        </ul>\n      </description>\n    </release>\n")
        set(orv_release "")
        set(orv_entries "")
    endif()
endmacro()

foreach(line IN LISTS orv_news_lines)
    if(line MATCHES "^Orv Pendu ([0-9][0-9.]*) \\(([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\\)$")
        orv_news_end_release()
        set(orv_release "${CMAKE_MATCH_1};${CMAKE_MATCH_2}")
    elseif(NOT orv_release STREQUAL "" AND line MATCHES "^  \\* (.*)$")
        orv_news_end_entry()
        set(orv_entry "${CMAKE_MATCH_1}")
    elseif(NOT orv_entry STREQUAL "" AND line MATCHES "^    (.*)$")
        string(APPEND orv_entry "\n${CMAKE_MATCH_1}")
    endif()
endforeach()
orv_news_end_release()

if(NOT orv_changelog_text MATCHES "^orv-pendu \\(${PROJECT_VERSION}\\)")
    message(FATAL_ERROR "NEWS does not begin with Orv Pendu ${PROJECT_VERSION}")
endif()
string(REGEX REPLACE "\n\n$" "\n" orv_changelog_text "${orv_changelog_text}")
string(REPLACE "${orv_semicolon}" ";" orv_changelog_text "${orv_changelog_text}")
string(REPLACE "${orv_semicolon}" ";" orv_releases "${orv_releases}")
file(WRITE ${orv_packaging_out}/changelog "${orv_changelog_text}")
string(STRIP "${orv_releases}" ORV_METAINFO_RELEASES)
