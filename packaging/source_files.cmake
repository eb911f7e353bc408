# Run by cpack for the source package: copies into CMAKE_INSTALL_PREFIX the repository's files. In
# a git checkout those are the files git tracks, as they stand in the work tree; elsewhere (in an
# unpacked source package) every file. Either way, not those of a top folder holding CMakeCache.txt:
# a build folder, whatever its name.
set(source ${CPACK_PRIME_SIEVE_SOURCE})
if(EXISTS ${source}/.git)
  execute_process(COMMAND git -c core.quotePath=false ls-files WORKING_DIRECTORY ${source}
                  OUTPUT_VARIABLE files OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  string(REPLACE "\n" ";" files "${files}")
else()
  # A path's glob characters each stand for themselves in a bracket of their own.
  string(REGEX REPLACE "([][*?])" "[\\1]" pattern "${source}")
  file(GLOB_RECURSE files RELATIVE ${source} ${pattern}/*)
endif()
foreach(file IN LISTS files)
  string(REGEX MATCH "^[^/]*" top "${file}")
  if(NOT EXISTS ${source}/${top}/CMakeCache.txt)
    configure_file(${source}/${file} ${CMAKE_INSTALL_PREFIX}/${file} COPYONLY)
  endif()
endforeach()
