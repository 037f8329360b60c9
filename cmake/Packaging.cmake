# The manual pages, AppStream data and Debian documents, and the .deb that CPack makes of the
# installed tree: cmake --build --preset default --target package.

# The day the version of project() was released; its manual pages, AppStream data and
# changelog carry it.
set(QUILLORA_RELEASE_DATE 2026-12-08)
set(QUILLORA_APPSTREAM_ID example.brenmoor.quillora)
file(STRINGS ${PROJECT_SOURCE_DIR}/src/desktop/WebSite.h QUILLORA_WEB_SITE REGEX "kWebSiteUrl")
string(REGEX REPLACE ".*\"(.*)\".*" "\\1" QUILLORA_WEB_SITE "${QUILLORA_WEB_SITE}")
execute_process(COMMAND date -u -R -d ${QUILLORA_RELEASE_DATE}
                OUTPUT_VARIABLE QUILLORA_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)

set(pkg ${PROJECT_SOURCE_DIR}/packaging)
set(out ${CMAKE_BINARY_DIR}/packaging)
configure_file(${pkg}/quillora.metainfo.xml.in ${out}/${QUILLORA_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${out}/${QUILLORA_APPSTREAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages and the changelog are installed compressed, without time stamps in the archive.
set(compressed)
foreach(page quillora.1 qlrtool.1 changelog)
  configure_file(${pkg}/${page}.in ${out}/${page} @ONLY)
  add_custom_command(OUTPUT ${out}/${page}.gz
                     COMMAND gzip -9 -n -f -k ${page}
                     WORKING_DIRECTORY ${out} DEPENDS ${out}/${page})
  list(APPEND compressed ${out}/${page}.gz)
endforeach()
add_custom_target(quillora_documents ALL DEPENDS ${compressed})
install(FILES ${out}/quillora.1.gz ${out}/qlrtool.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${out}/changelog.gz ${pkg}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillora)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillora)
set(CPACK_PACKAGE_VENDOR "Brenmoor, Inc.")
set(CPACK_PACKAGE_CONTACT "Quillora maintainers <quillora@brenmoor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design and print round CD/DVD labels")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QUILLORA_WEB_SITE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Besides the libraries: the faces that stand in for the Windows fonts labels name, and Qt's
# own Japanese texts for its choosers.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic, fonts-ipafont-mincho, fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quillora designs and prints round CD and DVD labels: a disc of given outer
and inner diameter, a background colour and border, stacked text and
picture layers, and a numbered track list laid out along the circle,
printed on one sheet at exact margins, also on ready-made label sheets.
Track lists can be filled from text files, playlists, CUE sheets and
tagged music folders. The user interface is in Japanese.
.
The qlrtool command reads, makes, renders and prints labels from scripts.")
include(CPack)
