# Run by cpack once a package's files are staged: gives them the modes a package's files have,
# folders and programs 0755, other files 0644, whatever the packager's umask. The folders cpack
# stages and the files debian_files.cmake writes take theirs from the umask, and CMake's default
# directory permissions reach neither.
set(readable OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
set(runnable ${readable} OWNER_EXECUTE GROUP_EXECUTE WORLD_EXECUTE)
set(staged ${CPACK_TEMPORARY_DIRECTORY})
file(CHMOD_RECURSE ${staged} FILE_PERMISSIONS ${readable} DIRECTORY_PERMISSIONS ${runnable})
file(CHMOD_RECURSE ${staged}${CPACK_PACKAGING_INSTALL_PREFIX}/bin PERMISSIONS ${runnable})
