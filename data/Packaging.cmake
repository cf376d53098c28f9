# make package: a Debian package of what `cmake --install` installs, made by
# CPack from the build folder as it stands.
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
  return()
endif()

# The summary and the English paragraphs of the AppStream description make the
# package's description, so the two never say different things.
file(READ ${CMAKE_SOURCE_DIR}/data/tessell.metainfo.xml.in _metainfo)
string(REGEX MATCH "<summary>([^<]*)</summary>" _ "${_metainfo}")
set(_summary "${CMAKE_MATCH_1}")
string(REGEX MATCHALL "<p>[^<]*</p>" _paragraphs "${_metainfo}")
# CPack puts the summary first itself.
set(_description "")
set(_first TRUE)
foreach(_p IN LISTS _paragraphs)
  string(REGEX REPLACE "</?p>" "" _p "${_p}")
  if(NOT _first)
    string(APPEND _description "\n.\n")
  endif()
  set(_first FALSE)
  # Lines of at most 79 columns, as the Debian control file wants them.
  string(REPLACE " " ";" _words "${_p}")
  set(_line "")
  foreach(_word IN LISTS _words)
    string(LENGTH "${_line} ${_word}" _length)
    if(_line STREQUAL "")
      set(_line "${_word}")
    elseif(_length GREATER 78)
      string(APPEND _description "${_line}\n")
      set(_line "${_word}")
    else()
      string(APPEND _line " ${_word}")
    endif()
  endforeach()
  string(APPEND _description "${_line}")
endforeach()

# CPack installs from the build as it stands: its preinstall step must not
# build (make package builds first, and the package test runs beside the others).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessell)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tessell developers")
set(CPACK_PACKAGE_CONTACT "${TESSELL_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${_summary}")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TESSELL_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${_description}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TESSELL_HOMEPAGE}")
# The libraries from dpkg-shlibdeps; what the programs load at run time besides
# them (the Japanese fonts they draw with) by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
# Qt's own dialogs in Japanese, and more picture formats for the image scan.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
