# The project's own tools: the dictionary generator that the build runs, and
# the fuzz targets, built only when asked for.
include(${CMAKE_SOURCE_DIR}/tools/Dictionaries.cmake)
include(${CMAKE_SOURCE_DIR}/fuzz/Fuzz.cmake)
