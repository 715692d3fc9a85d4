# The Debian package (cpack -G DEB in the build folder): what `cmake --install` puts under /usr.
# The shared libraries it needs are found by dpkg-shlibdeps (dpkg-dev) from the executable; only
# what is loaded at run time by name is listed: the SVG image plugin that reads the icons.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmor)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${VELMOR_REVISION}")
set(CPACK_PACKAGE_VENDOR "Velmor")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor that writes typed text in the Velmor script")
set(CPACK_PACKAGE_DESCRIPTION
    "Velmor turns typed text (Tumeli, French, English or a phonetic spelling) into syllables and draws
each syllable as a glyph of the Velmor script (or Dorvane, Latin letters or IPA) on a large picture.
The velmor command also writes texts to pictures without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # velmor_VERSION_ARCH.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Velmor developers <velmor@invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
include(CPack)
