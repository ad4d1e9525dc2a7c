# A quick Debian package: cpack -G DEB in the build folder writes vesk_<version>_<arch>.deb with both
# programs, the desktop entry, the icons, the AppStream metainfo, the manual pages, the copyright
# and the changelog. Its maintainer, section and description are debian/control's, its version
# debian/changelog's; its library dependencies are read from the programs by dpkg-shlibdeps. The
# package for installing is the one dpkg-buildpackage builds from debian/ (Debian's flags and checks).
include(GNUInstallDirs)
find_program(VESK_GZIP gzip REQUIRED)

# The value of debian/control's FIELD (the first one, the source's or the package's), without its
# continuation lines.
function(vesk_control_field field out)
  file(STRINGS ${PROJECT_SOURCE_DIR}/debian/control lines REGEX "^${field}: ")
  list(POP_FRONT lines first)
  string(REGEX REPLACE "^${field}: " "" value "${first}")
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

# The package's description: the summary, then the lines under it unindented, with an empty line
# for each " ." (CPack indents them again).
function(vesk_control_description out)
  file(STRINGS ${PROJECT_SOURCE_DIR}/debian/control lines)
  set(text)
  set(inside OFF)
  foreach(line IN LISTS lines)
    if(line MATCHES "^Description: (.*)")
      set(inside ON)
      set(text "${CMAKE_MATCH_1}")
    elseif(inside AND line STREQUAL " .")
      string(APPEND text "\n")
    elseif(inside AND line MATCHES "^ (.*)")
      string(APPEND text "\n${CMAKE_MATCH_1}")
    else()
      set(inside OFF)
    endif()
  endforeach()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(CPACK_PACKAGE_NAME vesk)
set(CPACK_PACKAGE_VENDOR "vesk developers")
set(CPACK_PACKAGE_VERSION ${VESK_VERSION})
vesk_control_field(Maintainer CPACK_PACKAGE_CONTACT)
vesk_control_field(Section CPACK_DEBIAN_PACKAGE_SECTION)
vesk_control_description(CPACK_DEBIAN_PACKAGE_DESCRIPTION)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its platform plugins at run time; the window needs the X11 (or Wayland) one.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")

# The copyright file points to Debian's copy of the GPL; the changelog is Debian's, compressed.
install(FILES ${PROJECT_SOURCE_DIR}/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
add_custom_command(OUTPUT changelog.gz
  COMMAND ${VESK_GZIP} -9 -n -c ${PROJECT_SOURCE_DIR}/debian/changelog > changelog.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/debian/changelog)
add_custom_target(vesk_changelog ALL DEPENDS changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

include(CPack)
