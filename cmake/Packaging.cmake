# The Debian package: `cpack -G DEB` (or plain `cpack`) in a build tree writes
# tintora_VERSION-RELEASE_ARCH.deb from the install rules. The desktop, file-type and
# icon caches are refreshed by the dpkg triggers of desktop-file-utils,
# shared-mime-info and the icon theme, so the package carries no maintainer scripts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tintora)
set(CPACK_PACKAGE_VENDOR "Tintora Studio Works")
set(CPACK_PACKAGE_CONTACT "Tintora Studio Works <maintainers@tintora.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour scheme designer for web-site themes")
# Lines of at most 80 characters, as Debian's tools show them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Tintora shows a web-site theme on a mock web page and lets you change the\n"
    "text colour, background colour and font of each of its thirteen text\n"
    "elements, save the result as a scheme file, open it again and print a report.\n\n"
    "tintora-cli writes, reports and renders schemes without a window.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/tintora/tintora")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${TINTORA_PACKAGE_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# dpkg-shlibdeps finds the libraries; the Qt GUI library's package brings the X11
# platform plugin.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The faces the Windows font names of the window and the themes are mapped to
# (Liberation Sans Narrow is only in the first), and Qt's own translations, which
# word the dialogs' buttons in the user's language. The program's translations are
# built into it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-dejavu-core, qt6-translations-l10n")

include(CPack)
