# Fuzz targets for the readers of files the player can hand the game: the
# stored text form and the dictionary read on top of it. Built only with
#   cmake -DGLYPHMASON_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
# and run as  build/fuzz/FuzzStoredText fuzz/corpus/StoredText
option(GLYPHMASON_FUZZ "Build the libFuzzer targets (needs clang++)" OFF)
if(GLYPHMASON_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "GLYPHMASON_FUZZ needs clang++ (-DCMAKE_CXX_COMPILER=clang++)")
  endif()
  # The target builds the plain sources itself, so that everything it runs
  # is instrumented while the other targets stay as they are.
  add_executable(FuzzStoredText ${CMAKE_SOURCE_DIR}/fuzz/FuzzStoredText.cpp ${GLYPHMASON_CORE_SOURCES})
  target_include_directories(FuzzStoredText BEFORE PRIVATE ${CMAKE_SOURCE_DIR}/fuzz/compat)
  target_include_directories(FuzzStoredText PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(FuzzStoredText PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(FuzzStoredText PRIVATE -fsanitize=fuzzer,address,undefined)
  set_target_properties(FuzzStoredText PROPERTIES AUTOMOC OFF
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
endif()
