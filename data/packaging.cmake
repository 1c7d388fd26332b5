# Installed last, so that every program target exists; and the Debian package, made by
# `cpack -G DEB` in the build folder (scripts/package.sh).

# The on-screen-display companion, when this checkout builds it.
if(TARGET mousecfg-osd)
  install(TARGETS mousecfg-osd RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

set(MOUSECFG_MAINTAINER "The mousecfg developers <mousecfg@users.noreply.github.com>" CACHE STRING
    "Maintainer of the Debian package: name <address>")

# The package's documents: the copyright notice and a changelog in Debian's format, compressed.
set(_doc_dir ${CMAKE_BINARY_DIR}/share/doc)
configure_file(${CMAKE_SOURCE_DIR}/data/debian/changelog.in ${_doc_dir}/changelog @ONLY)
find_program(MOUSECFG_GZIP gzip)
if(MOUSECFG_GZIP)
  add_custom_command(
    OUTPUT ${_doc_dir}/changelog.gz
    COMMAND ${MOUSECFG_GZIP} -9nc ${_doc_dir}/changelog > ${_doc_dir}/changelog.gz
    DEPENDS ${_doc_dir}/changelog
    COMMENT "Compressing the changelog")
  add_custom_target(package_docs ALL DEPENDS ${_doc_dir}/changelog.gz)
  install(FILES ${_doc_dir}/changelog.gz ${CMAKE_SOURCE_DIR}/data/debian/copyright
          DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mousecfg)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The mousecfg developers")
set(CPACK_PACKAGE_CONTACT ${MOUSECFG_MAINTAINER})
set(CPACK_PACKAGE_HOMEPAGE_URL ${MOUSECFG_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration utility for wireless gaming mice")
# The synopsis is the summary above; this is the long description below it.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "mousecfg sets up the 0x248A family of wireless USB gaming mice, on their\n"
  "USB receiver or on the cable: live battery, profile, DPI stage and report\n"
  "rate; the five on-board profiles with their DPI stages, buttons, macros and\n"
  "lighting, sent to the mouse with read-back verification.\n"
  "\n"
  "The package holds the window (mousecfg), the command-line tool\n"
  "(mousecfgctl) and a udev rule that lets the user at the seat open the mouse\n"
  "without root.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Run-time libraries as dpkg-shlibdeps finds them in the binaries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts the settings template names for English, German and Chinese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/data/debian/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
