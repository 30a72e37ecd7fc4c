# Install rules and the Debian package: `cmake --install build [--prefix P]`
# and `make package` (CPack). Every destination is relative, so one build
# installs under any prefix; the package uses /usr.
include(GNUInstallDirs)

# Installing (and CPack, which installs) copies what is built and never
# builds: `make package` builds first, and the package test must not start a
# build of its own while other tests run.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(NOCTURNIX_APP_ID "example.nocturnix.Nocturnix")
# Release date of PROJECT_VERSION in the AppStream metadata; moves with it.
set(NOCTURNIX_RELEASE_DATE "2026-01-15")
set(NOCTURNIX_LICENSE "LicenseRef-proprietary" CACHE STRING "SPDX licence of the program, for the AppStream metadata")
# udev reads rules from /usr/lib/udev/rules.d and /usr/local/lib/udev/rules.d,
# so this follows the prefix; never the multiarch library folder.
set(NOCTURNIX_UDEV_RULES_DIR "lib/udev/rules.d" CACHE STRING "udev rules folder, relative to the prefix or absolute")

set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(packaging_out ${CMAKE_BINARY_DIR}/packaging)

# The programs find nothing through RPATH: all project libraries are static
# and Qt lives in the system folders. Installed copies get no RPATH at all,
# so none can point back into this build tree.
set_target_properties(nocturnix nocturnix-tool nocturnix-crashbox PROPERTIES INSTALL_RPATH "")

# The crash box goes beside nocturnix: nocturnix starts it from its own folder.
install(TARGETS nocturnix nocturnix-crashbox nocturnix-tool
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

configure_file(${packaging_dir}/example.nocturnix.Nocturnix.metainfo.xml.in
               ${packaging_out}/${NOCTURNIX_APP_ID}.metainfo.xml @ONLY)
configure_file(${packaging_dir}/nocturnix.1.in ${packaging_out}/nocturnix.1 @ONLY)
configure_file(${packaging_dir}/nocturnix-tool.1.in ${packaging_out}/nocturnix-tool.1 @ONLY)

install(FILES ${packaging_dir}/${NOCTURNIX_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging_out}/${NOCTURNIX_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging_dir}/70-nocturnix.rules
        DESTINATION ${NOCTURNIX_UDEV_RULES_DIR})
install(FILES ${packaging_out}/nocturnix.1 ${packaging_out}/nocturnix-tool.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# PNGs are rendered from the SVG once and committed (packaging/icons), so the
# build needs no SVG renderer.
set(NOCTURNIX_ICON_SIZES 16 24 32 48 64 128 256 512)
foreach(size ${NOCTURNIX_ICON_SIZES})
    install(FILES ${packaging_dir}/icons/nocturnix-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${NOCTURNIX_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/images/nocturnix.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${NOCTURNIX_APP_ID}.svg)

# Debian package: everything above and nothing else. The simulated recorder
# and the test programs have no install rules, and must get none.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "nocturnix")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Nocturnix")
set(CPACK_PACKAGE_CONTACT "${NOCTURNIX_SUPPORT_MAIL}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "companion program of wearable sleep pulse oximeters")
set(CPACK_PACKAGE_DESCRIPTION
    "Downloads the nights of ring, wrist and finger-clip sleep pulse oximeters over USB, shows each night as an oxygen report (print, PDF, CSV), plots trends, keeps patient details, changes the recorder's settings and backs recordings up to a cloud account. Includes nocturnix-tool, the same functions on the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
# Exported symbols stay in the dynamic table, so crash backtraces keep their
# function names after stripping.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Nocturnix <${NOCTURNIX_SUPPORT_MAIL}>")
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${NOCTURNIX_WEB_URL}")
# Depends from the libraries the programs link (dpkg-shlibdeps); the SQLite
# driver and the SVG image reader are Qt plugins loaded at run time, which
# dpkg-shlibdeps cannot see.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt5sql5-sqlite, libqt5svg5")
# Qt's own translations for its dialogs, and a font with Chinese glyphs for
# the Chinese translation and its reports.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "udev, qttranslations5-l10n, fonts-droid-fallback | fonts-wqy-microhei | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${packaging_dir}/postinst;${packaging_dir}/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
