# `cpack -G DEB` in a Release build tree makes the Debian package (see the README).
set(CPACK_PACKAGE_NAME osken-config)
set(CPACK_PACKAGE_VENDOR "The OSKEN R5 Config developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${OSKEN_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration tool for the OSKEN R5 wireless gaming mouse")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Directories 0755 whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${OSKEN_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${OSKEN_HOMEPAGE}")
# The library dependencies are read from the programs themselves.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts the default settings name for English and for Chinese.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei")
# The synopsis is the summary above; this is the long description under it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Edits the five on-board profiles of the OSKEN R5 wireless gaming mouse and
writes them to the mouse through its USB receiver (248a:fa02, 248a:fb01):
DPI stages, report rate, button functions, macros, lighting and pointer speed.
It follows changes made on the mouse itself and shows them on screen.
.
The package holds the program with its tray icon, an on-screen display
companion, the command-line tool osken-ctl and a udev rule that lets the
user at the seat open the receiver.")

include(CPack)
