# The Debian package (cpack -G DEB; scripts/build-deb.sh builds one from a fresh
# release build): quorvel_VERSION_ARCH.deb with what the program needs to run.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VENDOR "Quorvel 项目组")
set(CPACK_PACKAGE_CONTACT "Quorvel 项目组 <team@quorvel.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "plotter of function graphs for school mathematics")
# The long description; CPack indents it as Debian's control file wants.
set(CPACK_PACKAGE_DESCRIPTION "Quorvel draws the graphs of the functions taught at school (lines,
parabolas, y=k/x, exponentials, logarithms, trigonometric functions, conics,
y=ax+b/x and expressions of one's own) in a Simplified Chinese interface.
Lists of curves are saved and opened as .QVX files; pictures are exported as
BMP, PNG, SVG or PDF and printed. The command line makes the same lists and
pictures without a display.")
# The whole version, tweak included: quorvel_1.1.0.83_amd64.deb.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quorvel.example.org")
# The libraries the program links come from dpkg-shlibdeps; what no library scan
# finds is named here: Qt's platform plugins (no window without them), a face with
# Chinese glyphs, Qt's own texts in Chinese, and the SVG module, whose plugins draw
# the toolbar's pictures. GMP's C++ library (the exact rationals of linear
# programming) is named as well: a build that links it only as needed leaves it to
# no scan until the program calls it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(QUORVEL_RUN_DEPENDS
  "qt6-qpa-plugins, fonts-wqy-microhei | fonts-noto-cjk, qt6-translations-l10n, libqt6svg6, libgmpxx4ldbl, libgmp10")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${QUORVEL_RUN_DEPENDS}")
# The icon, menu and file-type caches are updated by the triggers of the packages that
# own them (gtk-update-icon-cache, desktop-file-utils, shared-mime-info).
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
