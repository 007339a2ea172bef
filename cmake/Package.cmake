# The Debian package: `cpack -G DEB` in the build folder makes tabloo_<version>-<release>_amd64.deb from
# the install rules, under /usr. dpkg-shlibdeps finds the libraries it needs; the font that the
# card art letters with is named by hand, as no library links it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tabloo)
set(CPACK_PACKAGE_VENDOR "The Tabloo developers")
set(CPACK_PACKAGE_CONTACT "${TABLOO_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "patience card game whose rules you design")
set(CPACK_PACKAGE_DESCRIPTION
  "Tabloo is a patience (solitaire) card game for one player with one deck of
52 cards: drag the cards from pile to pile and bring all of them onto the
four foundations. You design the game: four to ten tableau piles, up to four
free cells, ten build orders for the tableau and the foundations, the rank
the foundations start with, the Ace-King wrap and whether runs move at once.
Every deal has a number, so a game can be played again or shared. Moves can
be undone, redone and replayed; up to ten players keep their own records.

The package also holds tabloo-cli, which deals and plays games without a
window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${TABLOO_PACKAGE_RELEASE})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TABLOO_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(NOT TABLOO_HOMEPAGE STREQUAL "")
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TABLOO_HOMEPAGE}")
endif()
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
# Qt's own texts (the buttons of message boxes) in the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
