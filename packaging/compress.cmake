# Writes OUTPUT, FILE compressed at gzip's best. Without SOURCE_DATE_EPOCH, CMake writes the time
# into the gzip header, which lintian warns of and which makes every build differ; with it, none.
# Where it is not given it is set for the while only, as cpack would take it for the packaged
# files' times too.
function(compress file output)
  if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} 0)
    set(set_here TRUE)
  endif()
  file(ARCHIVE_CREATE OUTPUT ${output} PATHS ${file} FORMAT raw COMPRESSION GZip
       COMPRESSION_LEVEL 9)
  if(set_here)
    unset(ENV{SOURCE_DATE_EPOCH})
  endif()
endfunction()
