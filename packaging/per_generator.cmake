# Read by cpack for each generator: the Debian package holds its copyright file and changelog in
# place of the licence, and depends on the C library its program was built against.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_COMPONENTS_ALL program debian)
  include(${CPACK_DEBIAN_DEPENDS_FILE})
else()
  set(CPACK_COMPONENTS_ALL program licence)
  # Unpacked, an archive makes one folder named after it, as it would without components.
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
