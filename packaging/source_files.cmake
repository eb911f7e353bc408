# Run by cpack for the source package: puts into CMAKE_INSTALL_PREFIX the files of the commit
# checked out in the source folder, as git archive gives them, so that every clone of one commit
# gives the same package, whatever else its work tree holds.
set(source ${CPACK_PRIME_SIEVE_SOURCE})
# git archive, run below a checkout's top folder, would take only that folder's part of its commit.
execute_process(COMMAND git rev-parse --show-prefix WORKING_DIRECTORY ${source}
                OUTPUT_VARIABLE below_top OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET
                RESULT_VARIABLE no_checkout)
if(no_checkout OR below_top)
  message(FATAL_ERROR "The source package is made of the commit checked out, and ${source} is no "
                      "git checkout's top folder: package it from a clone")
endif()
# Taken by tar with the modes git gives them, whatever the packager's umask.
execute_process(COMMAND git -c tar.umask=022 archive --format=tar HEAD WORKING_DIRECTORY ${source}
                COMMAND tar -x -p -f - -C ${CMAKE_INSTALL_PREFIX} COMMAND_ERROR_IS_FATAL ANY)
