# Installation and Debian packages. The top CMakeLists.txt includes this file last, so
# the rules below see every program target, also those of folders that a checkout may
# not have (the service, the LAN bot).
#
#   cmake --install build --prefix /usr        every program and file an installed copy needs
#   cmake --build build --target package       the Debian packages, in build/packages
#
# An installed copy reads its installation content from share/vesrin and keeps every
# file it writes per user (~/.local/share/Qor/Vesrin); a build folder is a portable
# copy (bin/ holds the records files and the portable marker).
include(GNUInstallDirs)

set(VESRIN_VERSION_TEXT "5.7f")
set(VESRIN_APP_ID "org.example.vesrin" CACHE STRING
    "Reverse-DNS name of the desktop entry and the AppStream component (a domain the publisher owns)")
set(VESRIN_HOMEPAGE "https://vesrin.example.org" CACHE STRING
    "Home page of the published game; its screenshots/ folder holds the pictures of the AppStream data")
set(VESRIN_PACKAGE_MAINTAINER "Vesrin developers <maintainers@vesrin.example.org>" CACHE STRING
    "Maintainer field of the Debian packages")

set(vesrin_packaging_source ${CMAKE_SOURCE_DIR}/packaging)
set(vesrin_packaging_build ${CMAKE_BINARY_DIR}/packaging)
set(vesrin_data ${CMAKE_INSTALL_DATADIR}/vesrin)
file(MAKE_DIRECTORY ${vesrin_packaging_build}/man)

# --- the portable marker beside the programs of the build folder ---
add_custom_command(
  OUTPUT ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Vesrin.portable
  COMMAND ${CMAKE_COMMAND} -E copy ${vesrin_packaging_source}/Vesrin.portable ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Vesrin.portable
  DEPENDS ${vesrin_packaging_source}/Vesrin.portable
  COMMENT "The build folder is a portable copy")
add_custom_target(vesrin_portable_marker ALL DEPENDS ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Vesrin.portable)

# --- the icon in the hicolor sizes, drawn by our generator ---
add_custom_command(
  OUTPUT ${vesrin_packaging_build}/icons.stamp
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime
          $<TARGET_FILE:vesrin-icons> ${vesrin_packaging_build}/icons
  COMMAND ${CMAKE_COMMAND} -E touch ${vesrin_packaging_build}/icons.stamp
  DEPENDS vesrin-icons
  COMMENT "Drawing the desktop icon"
  VERBATIM)
add_custom_target(vesrin_icons ALL DEPENDS ${vesrin_packaging_build}/icons.stamp)

# --- desktop entry and AppStream data ---
configure_file(${vesrin_packaging_source}/vesrin.desktop.in ${vesrin_packaging_build}/${VESRIN_APP_ID}.desktop @ONLY)
configure_file(${vesrin_packaging_source}/vesrin.metainfo.xml.in
               ${vesrin_packaging_build}/${VESRIN_APP_ID}.metainfo.xml @ONLY)

# --- manual pages, compressed as Debian wants them ---
find_program(VESRIN_GZIP gzip REQUIRED)
set(vesrin_manuals vesrin.6 vesrin-selfplay.6)
if(TARGET vesrin-bot)
  list(APPEND vesrin_manuals vesrin-bot.6)
endif()
set(vesrin_service_manuals vesrin-service.8)
set(vesrin_manual_outputs "")
foreach(page IN LISTS vesrin_manuals vesrin_service_manuals)
  set(out ${vesrin_packaging_build}/man/${page}.gz)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${VESRIN_GZIP} -9nc ${vesrin_packaging_source}/man/${page} > ${out}
    DEPENDS ${vesrin_packaging_source}/man/${page}
    VERBATIM)
  list(APPEND vesrin_manual_outputs ${out})
endforeach()
set(out ${vesrin_packaging_build}/changelog.Debian.gz)
add_custom_command(
  OUTPUT ${out}
  COMMAND ${VESRIN_GZIP} -9nc ${vesrin_packaging_source}/debian/changelog > ${out}
  DEPENDS ${vesrin_packaging_source}/debian/changelog
  VERBATIM)
add_custom_target(vesrin_manuals ALL DEPENDS ${vesrin_manual_outputs} ${out})

function(vesrin_install_manuals component)
  foreach(page IN LISTS ARGN)
    string(REGEX MATCH "[0-9]$" section ${page})
    install(FILES ${vesrin_packaging_build}/man/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section}
            COMPONENT ${component})
  endforeach()
endfunction()

function(vesrin_install_package_documents component)
  install(FILES ${vesrin_packaging_source}/debian/copyright ${vesrin_packaging_build}/changelog.Debian.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${component} COMPONENT ${component})
endfunction()

# --- the game ---
set(vesrin_programs vesrin vesrin-selfplay)
if(TARGET vesrin-bot)
  list(APPEND vesrin_programs vesrin-bot)
endif()
install(TARGETS ${vesrin_programs} RUNTIME DESTINATION ${VESRIN_INSTALL_GAMESDIR} COMPONENT vesrin)
install(FILES ${CMAKE_BINARY_DIR}/install-content/Vesrin.clb ${CMAKE_BINARY_DIR}/install-content/Vesrin.net
              ${CMAKE_SOURCE_DIR}/src/app/help/Vesrin.html
        DESTINATION ${vesrin_data} COMPONENT vesrin)
get_property(vesrin_runtime_files GLOBAL PROPERTY VESRIN_RUNTIME_FILES)
if(vesrin_runtime_files)
  install(FILES ${vesrin_runtime_files} DESTINATION ${vesrin_data} COMPONENT vesrin)
endif()
install(DIRECTORY ${vesrin_packaging_build}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons COMPONENT vesrin)
install(FILES ${vesrin_packaging_build}/${VESRIN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
        COMPONENT vesrin)
install(FILES ${vesrin_packaging_build}/${VESRIN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        COMPONENT vesrin)
vesrin_install_manuals(vesrin ${vesrin_manuals})
vesrin_install_package_documents(vesrin)

# --- the web service, as a system service of its own user with its data in /var/lib ---
if(TARGET vesrin-service)
  install(TARGETS vesrin-service RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT vesrin-service)
  # The unit and its options go where the system looks for them, whatever the prefix.
  install(FILES ${vesrin_packaging_source}/vesrin-service.service DESTINATION /lib/systemd/system
          COMPONENT vesrin-service)
  install(FILES ${vesrin_packaging_source}/vesrin-service.default DESTINATION /etc/default
          RENAME vesrin-service COMPONENT vesrin-service)
  vesrin_install_manuals(vesrin-service ${vesrin_service_manuals})
  vesrin_install_package_documents(vesrin-service)
endif()

# Everything the packages take, built without the tests and benchmarks:
#   cmake --build build --target vesrin_package_content && (cd build && cpack -G DEB)
add_custom_target(vesrin_package_content)
add_dependencies(vesrin_package_content ${vesrin_programs} vesrin_records_content vesrin_icons vesrin_manuals)
if(TARGET vesrin-service)
  add_dependencies(vesrin_package_content vesrin-service)
endif()

# The pictures the AppStream data shows, taken by the screenshot tools under a private
# X server, for publishing in the home page's screenshots/ folder.
add_custom_target(vesrin_screenshots
  COMMAND ${CMAKE_SOURCE_DIR}/packaging/screenshots.sh ${CMAKE_BINARY_DIR}
  DEPENDS vesrin-menu-shots vesrin-table-shots
  COMMENT "Screenshots for the AppStream data"
  VERBATIM)

# --- checks of the installation and the desktop files ---
if(TARGET packaging_tests)
  # The test installs the game: everything the installation takes must be built.
  add_dependencies(packaging_tests ${vesrin_programs} vesrin_records_content vesrin_icons vesrin_manuals)
endif()
if(VESRIN_BUILD_TESTS)
  find_program(VESRIN_DESKTOP_FILE_VALIDATE desktop-file-validate)
  find_program(VESRIN_APPSTREAMCLI appstreamcli)
  if(VESRIN_DESKTOP_FILE_VALIDATE)
    add_test(NAME packaging.DesktopEntryIsValid
             COMMAND ${VESRIN_DESKTOP_FILE_VALIDATE} ${vesrin_packaging_build}/${VESRIN_APP_ID}.desktop)
  endif()
  if(VESRIN_APPSTREAMCLI)
    # Without the network: the screenshots live on the home page once it is published.
    add_test(NAME packaging.AppStreamDataIsValid
             COMMAND ${VESRIN_APPSTREAMCLI} validate --no-net --pedantic
                     ${vesrin_packaging_build}/${VESRIN_APP_ID}.metainfo.xml)
    set_tests_properties(packaging.AppStreamDataIsValid PROPERTIES FAIL_REGULAR_EXPRESSION "(^|\n)[EWIP]: ")
  endif()
endif()

include(${CMAKE_CURRENT_LIST_DIR}/VesrinDebian.cmake)
