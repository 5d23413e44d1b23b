# A Debian package of what `cmake --install` installs: cpack -G DEB.
set(CPACK_PACKAGE_NAME physcalc)
set(CPACK_PACKAGE_VENDOR "The PhysCalc developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Six tools in one small, fast window each: inclined plane, measurement errors,\n"
    "friction, torque, a guided sum of up to ten plane vectors, and fluid pressure.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The PhysCalc developers <dev@physcalc.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
# dpkg-shlibdeps finds the libraries the binary links; Qt loads its platform
# plugins at run time, so they are named by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_STRIP_FILES ON)
include(CPack)
