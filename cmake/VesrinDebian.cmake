# The Debian packages, made with CPack: "vesrin" (the game, the self-play command and the
# LAN bot) and, when the service is part of the build, "vesrin-service" (the web service
# as a systemd unit of its own user, with its data in /var/lib/vesrin-service).
#   cmake --build build --target package   ->   build/packages/vesrin_<version>_<arch>.deb

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vesrin)
set(CPACK_PACKAGE_VENDOR "The Vesrin developers")
set(CPACK_PACKAGE_VERSION ${VESRIN_VERSION_TEXT})
set(CPACK_PACKAGE_CONTACT ${VESRIN_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL vesrin)
if(TARGET vesrin-service)
  list(APPEND CPACK_COMPONENTS_ALL vesrin-service)
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VESRIN_HOMEPAGE})
# Library dependencies come from dpkg-shlibdeps; the lists below add what the programs
# open at run time without linking it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_VESRIN_PACKAGE_NAME vesrin)
set(CPACK_DEBIAN_VESRIN_PACKAGE_SECTION games)
# The table's fonts: "Comic Sans MS" comes out as Comic Neue, "Courier New" as
# Liberation Mono, the rest as DejaVu. Qt's media player needs GStreamer's base and
# good plugins, or it crashes instead of playing.
set(CPACK_DEBIAN_VESRIN_PACKAGE_DEPENDS
    "fonts-dejavu-core, fonts-liberation2, fonts-comic-neue, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
# Chinese, Japanese and Korean texts want a CJK font; Wayland sessions a native window.
set(CPACK_DEBIAN_VESRIN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-wayland")
set(CPACK_COMPONENT_VESRIN_DESCRIPTION
"Hearts card game against the computer or friends
Vesrin is the card game Hearts for the desktop. You sit at the bottom of the
table against three computer players, or against friends whose copies of the
game join yours over the local network.
.
It keeps a roster of five local players with ratings, a local top ten and the
history of every game, and speaks ten languages. Every file it writes stays in
the player's home folder.")

set(CPACK_DEBIAN_VESRIN-SERVICE_PACKAGE_NAME vesrin-service)
set(CPACK_DEBIAN_VESRIN-SERVICE_PACKAGE_SECTION net)
set(CPACK_DEBIAN_VESRIN-SERVICE_PACKAGE_DEPENDS "adduser, libqt6sql6-sqlite")
set(CPACK_COMPONENT_VESRIN-SERVICE_DESCRIPTION
"Game web service and tournament server for Vesrin
The service behind the online features of Vesrin: player accounts, ratings and
the world top ten, the tournament tables, chat and news, for one machine or a
small network.
.
It runs as the system service vesrin-service under a user of its own and keeps
its data in /var/lib/vesrin-service.")
set(vesrin_service_scripts ${CMAKE_SOURCE_DIR}/packaging/debian/vesrin-service)
set(CPACK_DEBIAN_VESRIN-SERVICE_PACKAGE_CONTROL_EXTRA
    ${vesrin_service_scripts}/postinst ${vesrin_service_scripts}/prerm
    ${vesrin_service_scripts}/postrm ${vesrin_service_scripts}/conffiles)

include(CPack)
