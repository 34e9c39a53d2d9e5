# Install rules for the desktop (launcher, word list, menu entry, software-centre entry, icons)
# and the Debian package built from them by CPack.
include(GNUInstallDirs)

set(ORV_APP_ID fr.orvpendu.OrvPendu)
set(ORV_FILES_URL "https://orv-pendu.example/raw/main" CACHE STRING
    "Web address where the repository's files are served; the software-centre screenshot points there")

set(orv_packaging ${CMAKE_CURRENT_LIST_DIR})
set(orv_packaging_out ${CMAKE_BINARY_DIR}/packaging)
set(orv_program_dir ${CMAKE_INSTALL_LIBEXECDIR}/orv-pendu)
set(orv_data_dir ${CMAKE_INSTALL_DATADIR}/orv-pendu)

# The real program sits out of PATH; the launcher in bin prepares the player's folder first.
install(TARGETS orv-pendu RUNTIME DESTINATION ${orv_program_dir})
# The default list of everyday words, and the complete dictionary beside it for players who want hard words.
install(FILES ${PROJECT_SOURCE_DIR}/data/Pendu.dat ${PROJECT_SOURCE_DIR}/data/Pendu-complet.dat
    DESTINATION ${orv_data_dir})

file(RELATIVE_PATH ORV_LAUNCHER_TO_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR}
    ${CMAKE_INSTALL_FULL_LIBEXECDIR}/orv-pendu/orv-pendu)
file(RELATIVE_PATH ORV_LAUNCHER_TO_WORDS ${CMAKE_INSTALL_FULL_BINDIR}
    ${CMAKE_INSTALL_FULL_DATADIR}/orv-pendu/Pendu.dat)
configure_file(${orv_packaging}/launcher.sh.in ${orv_packaging_out}/orv-pendu @ONLY)
install(PROGRAMS ${orv_packaging_out}/orv-pendu DESTINATION ${CMAKE_INSTALL_BINDIR})

configure_file(${orv_packaging}/${ORV_APP_ID}.metainfo.xml.in
    ${orv_packaging_out}/${ORV_APP_ID}.metainfo.xml @ONLY)
install(FILES ${orv_packaging}/${ORV_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${orv_packaging_out}/${ORV_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${orv_packaging}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orv-pendu)

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
        COMMAND appstreamcli validate --no-net ${orv_packaging_out}/${ORV_APP_ID}.metainfo.xml)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orv-pendu)
set(CPACK_PACKAGE_VENDOR "Orv Pendu developers")
set(CPACK_PACKAGE_CONTACT "Orv Pendu developers")
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
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries come from the program's links. libqt6svg6, which also holds the SVG icon
# engine loaded at run time, is among them (packaging/check.sh makes sure); the fonts are
# loaded by name, so nothing links them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
include(CPack)
