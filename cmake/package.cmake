# A Debian package of the install: `cpack -G DEB` in the build folder makes
# talvex-go_<version>_<architecture>.deb. Its Depends come from the libraries the programs link
# (dpkg-shlibdeps, from dpkg-dev); it has no maintainer scripts, so removing it removes exactly
# the files it lists.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME talvex-go)
set(CPACK_PACKAGE_VENDOR "Talvex Go")
set(CPACK_PACKAGE_CONTACT "support@talvexgo.org")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "game of Go on a 19x19 board against the computer")
# The summary becomes the first line of the Description field and this text the rest: lines as
# written, an empty line between paragraphs.
set(CPACK_PACKAGE_DESCRIPTION
"Talvex Go is a game of Go on the full 19x19 board, you against the
computer. It was made for a keypad phone and shows the phone's screen
in a window: a square cursor moved with the arrow keys, Enter to place
a stone, soft keys for Exit and a menu with New Game, Pass, Help and
About.

The computer answers every move at once with a small rule-based player
that reads captures and rescues and plays an opening book and shape
patterns. Captures, suicide and a simple ko rule are enforced.

The package also holds talvex-gtp, the same computer player as a Go
Text Protocol engine for Go programs such as GoGui or Sabaki.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.talvexgo.org/")
# The packaged programs are stripped; the symbols that only a debugger needs stay in the build.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME talvex-go)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Talvex Go <support@talvexgo.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
