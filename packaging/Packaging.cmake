# Install rules for the desktop (launcher, word lists, menu entry, software-centre entry, icons,
# manual page, changelog) and the Debian package built from them by CPack.
include(GNUInstallDirs)

set(ORV_APP_ID fr.orvpendu.OrvPendu)
set(ORV_MAINTAINER "" CACHE STRING
    "The package's Maintainer and the changelog's signer, as \"Name <address>\"")
set(ORV_HOMEPAGE_URL "" CACHE STRING "The game's home page, for the software centre; left out when empty")
set(ORV_BUGTRACKER_URL "" CACHE STRING "Where players report bugs, for the software centre; left out when empty")
set(ORV_FILES_URL "" CACHE STRING
    "Web address where the repository's files are served (docs/ below it); without it, no screenshots")

set(orv_packaging ${CMAKE_CURRENT_LIST_DIR})
set(orv_packaging_out ${CMAKE_BINARY_DIR}/packaging)
# Where Debian puts games: the command in games/, its static data in share/games/. The program
# itself is an internal binary the launcher starts, so it sits in libexec, out of PATH.
set(orv_games_dir games)
set(orv_program_dir ${CMAKE_INSTALL_LIBEXECDIR}/orv-pendu)
set(orv_data_dir ${CMAKE_INSTALL_DATADIR}/games/orv-pendu)
set(orv_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/orv-pendu)

# The "play" component is what the game needs to run (scripts/play.sh installs only it); the
# desktop files, icons and documents come with the rest, in the package.
install(TARGETS orv-pendu RUNTIME DESTINATION ${orv_program_dir} COMPONENT play)
# The default list of everyday words, and the complete dictionary beside it for players who want hard words.
install(FILES ${PROJECT_SOURCE_DIR}/data/Pendu.dat ${PROJECT_SOURCE_DIR}/data/Pendu-complet.dat
    DESTINATION ${orv_data_dir} COMPONENT play)

file(RELATIVE_PATH ORV_LAUNCHER_TO_PROGRAM ${CMAKE_INSTALL_PREFIX}/${orv_games_dir}
    ${CMAKE_INSTALL_PREFIX}/${orv_program_dir}/orv-pendu)
file(RELATIVE_PATH ORV_LAUNCHER_TO_WORDS ${CMAKE_INSTALL_PREFIX}/${orv_games_dir}
    ${CMAKE_INSTALL_PREFIX}/${orv_data_dir})
configure_file(${orv_packaging}/launcher.sh.in ${orv_packaging_out}/orv-pendu @ONLY)
install(PROGRAMS ${orv_packaging_out}/orv-pendu DESTINATION ${orv_games_dir} COMPONENT play)

include(${orv_packaging}/News.cmake)
# The software centre's links and screenshots, each left out when its address is not given.
set(ORV_METAINFO_URLS "")
if(NOT ORV_HOMEPAGE_URL STREQUAL "")
    string(APPEND ORV_METAINFO_URLS "  <url type=\"homepage\">${ORV_HOMEPAGE_URL}</url>\n")
endif()
if(NOT ORV_BUGTRACKER_URL STREQUAL "")
    string(APPEND ORV_METAINFO_URLS "  <url type=\"bugtracker\">${ORV_BUGTRACKER_URL}</url>\n")
endif()
set(ORV_METAINFO_SCREENSHOTS "")
if(NOT ORV_FILES_URL STREQUAL "")
    set(orv_screenshots
        "docs/screenshot.png|Une partie en cours : le mot à moitié trouvé, le gibet qui se dresse"
        "docs/screenshot-recherche.png|La recherche de mots par motif dans la liste"
        "docs/screenshot-top10.png|Le top 10 des meilleurs scores")
    set(type default)
    foreach(shot IN LISTS orv_screenshots)
        string(REPLACE "|" ";" shot "${shot}")
        list(GET shot 0 path)
        list(GET shot 1 caption)
        string(APPEND ORV_METAINFO_SCREENSHOTS "    <screenshot type=\"${type}\">\n"
            "      <caption>${caption}</caption>\n      <image>${ORV_FILES_URL}/${path}</image>\n"
            "    </screenshot>\n")
        set(type extra)
    endforeach()
    set(ORV_METAINFO_SCREENSHOTS "  <screenshots>\n${ORV_METAINFO_SCREENSHOTS}  </screenshots>\n")
endif()
configure_file(${orv_packaging}/${ORV_APP_ID}.metainfo.xml.in
    ${orv_packaging_out}/${ORV_APP_ID}.metainfo.xml @ONLY)
install(FILES ${orv_packaging}/${ORV_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${orv_packaging_out}/${ORV_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${orv_packaging}/copyright DESTINATION ${orv_doc_dir})
install(FILES ${orv_packaging}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
    RENAME orv-pendu)

# The manual page and the changelog, compressed as Debian wants them: the most, and no time stamp.
find_program(ORV_GZIP gzip REQUIRED)
set(orv_manual ${orv_packaging_out}/orv-pendu.6.gz)
set(orv_changelog ${orv_packaging_out}/changelog.gz)
add_custom_command(OUTPUT ${orv_manual}
    COMMAND ${ORV_GZIP} -9nc ${orv_packaging}/orv-pendu.6 > ${orv_manual}
    DEPENDS ${orv_packaging}/orv-pendu.6)
add_custom_command(OUTPUT ${orv_changelog}
    COMMAND ${ORV_GZIP} -9nc ${orv_packaging_out}/changelog > ${orv_changelog}
    DEPENDS ${orv_packaging_out}/changelog)
add_custom_target(orv_compressed_docs ALL DEPENDS ${orv_manual} ${orv_changelog})
install(FILES ${orv_manual} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${orv_changelog} DESTINATION ${orv_doc_dir})

# Menu icons: the program's own SVG, and PNG renderings of it for themes and tools that need them.
find_program(ORV_RSVG_CONVERT rsvg-convert REQUIRED)
set(orv_icon_svg ${PROJECT_SOURCE_DIR}/ui/pictures/orv-pendu.svg)
set(orv_icon_root ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${orv_icon_svg} DESTINATION ${orv_icon_root}/scalable/apps RENAME ${ORV_APP_ID}.svg)
set(orv_icon_pngs)
foreach(size 16 22 24 32 48 64 128 256)
    set(png ${orv_packaging_out}/icons/${size}/${ORV_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${orv_packaging_out}/icons/${size}
        COMMAND ${ORV_RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${orv_icon_svg}
        DEPENDS ${orv_icon_svg}
        VERBATIM)
    list(APPEND orv_icon_pngs ${png})
    install(FILES ${png} DESTINATION ${orv_icon_root}/${size}x${size}/apps)
endforeach()
add_custom_target(orv_icons ALL DEPENDS ${orv_icon_pngs})

# The menu entry and the software-centre entry are checked wherever the suite runs.
if(BUILD_TESTING)
    add_test(NAME desktop_entry_valid
        COMMAND desktop-file-validate ${orv_packaging}/${ORV_APP_ID}.desktop)
    add_test(NAME metainfo_valid
        COMMAND appstreamcli validate --no-net --pedantic ${orv_packaging_out}/${ORV_APP_ID}.metainfo.xml)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orv-pendu)
set(CPACK_PACKAGE_VENDOR "Orv Pendu developers")
if(ORV_MAINTAINER STREQUAL "")
    set(CPACK_PACKAGE_CONTACT "Orv Pendu developers")
else()
    set(CPACK_PACKAGE_CONTACT "${ORV_MAINTAINER}")
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "French hangman game")
# CPack indents these lines for the control file; each stays under 80 columns there.
set(CPACK_PACKAGE_DESCRIPTION [=[
Guess a French word of six to twelve letters, one letter at a time,
before the sixth miss hangs you. The game keeps a score with a win-streak
bonus, the vitamin and the joker, and a top ten of the best scores.

It comes with a list of more than 7,000 everyday French words that the
player can extend, browse, count and search, a complete dictionary of more
than 50,000 words for hard games, and a calculator, a clock and a calendar.
The game speaks French only.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Stripped, then as Debian's own tools do it: CPack's plain strip keeps the comment and note sections.
set(CPACK_STRIP_FILES ON)
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND ${CMAKE_STRIP} --remove-section=.comment --remove-section=.note --strip-unneeded
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${orv_program_dir}/orv-pendu\" COMMAND_ERROR_IS_FATAL ANY)
    endif()" COMPONENT play)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries come from the program's links. libqt6svg6, which also holds the SVG icon
# engine loaded at run time, is among them (packaging/check.sh makes sure); the fonts are
# loaded by name, so nothing links them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# The launcher starts the game on X11 wherever an X server runs; in a Wayland session that is XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xwayland")
include(CPack)
