# The one version number. The newest entry of debian/changelog names the release: the Debian
# package's version, CPack's, both programs' --version (VESK_VERSION) and the manual pages' footer
# (with VESK_RELEASE_DATE, that entry's date). The About box keeps its own text. Included before
# project(), which takes the version's numeric part.
set(vesk_changelog ${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${vesk_changelog})
file(STRINGS ${vesk_changelog} vesk_entries REGEX "^vesk \\(")
file(STRINGS ${vesk_changelog} vesk_signatures REGEX "^ -- ")
list(POP_FRONT vesk_entries vesk_entry)
list(POP_FRONT vesk_signatures vesk_signature)
if(NOT vesk_entry MATCHES "^vesk \\(([0-9]+(\\.[0-9]+)*)([^) ]*)\\) ")
  message(FATAL_ERROR "debian/changelog: the first line is not 'vesk (VERSION) ...': '${vesk_entry}'")
endif()
set(VESK_VERSION "${CMAKE_MATCH_1}${CMAKE_MATCH_3}")
set(VESK_VERSION_NUMBER "${CMAKE_MATCH_1}")
if(NOT vesk_signature MATCHES ">  [A-Z][a-z][a-z], ([0-9][0-9]? [A-Z][a-z][a-z] [0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "debian/changelog: the first entry's ' -- NAME <MAIL>  DATE' line has no date: '${vesk_signature}'")
endif()
set(VESK_RELEASE_DATE "${CMAKE_MATCH_1}")
