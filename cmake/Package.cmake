# The Debian package: `make package` (cpack -G DEB in the build folder) makes
# tolvane_<version>_<arch>.deb.
#
# Lintian (Debian 12) reports no errors and no warnings for it. With --info --pedantic
# it notes only binary-has-unneeded-section (.comment, the compiler's version string,
# which Debian's own strip leaves too).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvane)
set(CPACK_PACKAGE_VENDOR "The Tolvane developers")
set(CPACK_PACKAGE_CONTACT "The Tolvane developers <developers@tolvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "convert AMR voice memos to MP3 and MP3 files to AMR")
set(CPACK_PACKAGE_DESCRIPTION "Tolvane turns old phone voice memos into MP3 files, and MP3 \
files into AMR,\nin batches, with FFmpeg. It never overwrites a file, a batch can be \
stopped at\nany time, and a file that could not be converted whole is never kept.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE "${CMAKE_SOURCE_DIR}/LICENSE")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tolvane.example/")
# Qt's own translations, so that its file dialog and buttons speak the user's language too,
# and its Wayland plugin, so that on Debian's desktop, a Wayland session by default, the
# window runs there itself rather than through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
# The Qt runtime comes from the program's own libraries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The rest (ffmpeg, its encoders and the libraries the codec links point at) is worked out
# when the package is made: see PackageDepends.cmake.
set(TOLVANE_FFMPEG_FOR_PACKAGE "${TOLVANE_FFMPEG}")
set(TOLVANE_CODEC_LINKS_SCRIPT "${CMAKE_SOURCE_DIR}/cmake/CodecLinks.cmake")
configure_file(cmake/PackageDepends.cmake.in "${CMAKE_BINARY_DIR}/PackageDepends.cmake" @ONLY)
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_BINARY_DIR}/PackageDepends.cmake")

include(CPack)
