# Run by cpack on the staged files: in a Debian package the programs belong in /usr/games, where
# Debian puts games and which is on every user's PATH. The screen-mode watcher moves with the
# game, which looks for it in its own folder.
file(GLOB staged_bins LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
foreach(exe ${staged_bins})
  get_filename_component(name ${exe} NAME)
  file(MAKE_DIRECTORY ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/games)
  file(RENAME ${exe} ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/games/${name})
endforeach()
file(REMOVE_RECURSE ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin)
