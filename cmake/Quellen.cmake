# The sources of the library tippolo_core, for the program and for the fuzz
# targets built on their own (fuzz/CMakeLists.txt). New files are picked up
# by the glob. Expects QUELLE to name the project's root folder.
file(GLOB_RECURSE TIPPOLO_SOURCES CONFIGURE_DEPENDS
  ${QUELLE}/basis/*.cpp ${QUELLE}/basis/*.h ${QUELLE}/ui/*.cpp ${QUELLE}/ui/*.h ${QUELLE}/trainer/*.cpp
  ${QUELLE}/trainer/*.h ${QUELLE}/renderings/*.cpp ${QUELLE}/renderings/*.h ${QUELLE}/lists/*.cpp ${QUELLE}/lists/*.h
  ${QUELLE}/games/*.cpp ${QUELLE}/games/*.h ${QUELLE}/info/*.cpp ${QUELLE}/info/*.h ${QUELLE}/windows/*.cpp ${QUELLE}/windows/*.h)
list(FILTER TIPPOLO_SOURCES EXCLUDE REGEX "/ui/testing/")
list(APPEND TIPPOLO_SOURCES ${QUELLE}/resources/tippolo.qrc)
