# `cpack -G DEB` in the build folder makes memoquill_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME memoquill)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Memoquill developers")
set(CPACK_PACKAGE_CONTACT "Memoquill developers <dev@memoquill.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "study cards (flashcards) for one user")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Memoquill is a small desktop program for learning with study cards.
Build a deck of named cards, each with a front and a back text, save it
to a .mqd file, and review it card by card: in order or at random, front
or back first.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The build carries debug info; users get a lean binary.
set(CPACK_STRIP_FILES ON)

# Neither the platform plugins (loaded at run time), the font (the fixed window layouts are
# sized for Liberation Sans) nor Qt's own translations (the texts Qt draws itself, such as
# message box buttons and the file dialog, in the user's language) show up as linked
# libraries, so they are always listed.
set(_memoquill_runtime_depends "qt6-qpa-plugins, fonts-liberation2, qt6-translations-l10n")
find_program(MEMOQUILL_DPKG_SHLIBDEPS dpkg-shlibdeps)
mark_as_advanced(MEMOQUILL_DPKG_SHLIBDEPS)
if(MEMOQUILL_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${_memoquill_runtime_depends}")
else()
  # Without dpkg-dev, name the Qt libraries by hand.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), ${_memoquill_runtime_depends}")
endif()

# The fonts for the scripts Liberation Sans lacks, in cards and in the translations: Chinese,
# Japanese and Korean; Arabic, Devanagari and other Indic scripts in Noto's UI cut (5 MB
# installed, where fonts-noto-core is 42 MB); emoji. Qt falls back on them through fontconfig.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, fonts-noto-ui-core, fonts-noto-color-emoji")

# No maintainer scripts: Debian's shared-mime-info, desktop-file-utils and hicolor-icon-theme
# refresh their caches through dpkg file triggers on the folders installed into.

include(CPack)
