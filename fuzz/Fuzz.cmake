# Fuzz targets for the readers of files the player can hand the game: the
# stored text form, the dictionary, the game and options files and the words
# list. Built only with
#   cmake -DGLYPHMASON_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
# and run by fuzz/run, or one by one as  build-fuzz/fuzz/FuzzGameFile fuzz/corpus/GameFile
option(GLYPHMASON_FUZZ "Build the libFuzzer targets (needs clang++)" OFF)
if(GLYPHMASON_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "GLYPHMASON_FUZZ needs clang++ (-DCMAKE_CXX_COMPILER=clang++)")
  endif()
  # The plain sources once more, instrumented for coverage and memory checks,
  # so that everything the targets run is watched while the other targets
  # stay as they are.
  add_library(glyphmason_fuzz_core STATIC ${GLYPHMASON_CORE_SOURCES})
  target_include_directories(glyphmason_fuzz_core BEFORE PUBLIC ${CMAKE_SOURCE_DIR}/fuzz/compat)
  target_include_directories(glyphmason_fuzz_core PUBLIC ${CMAKE_SOURCE_DIR})
  target_compile_options(glyphmason_fuzz_core PUBLIC -fsanitize=fuzzer-no-link,address,undefined)
  set_target_properties(glyphmason_fuzz_core PROPERTIES AUTOMOC OFF)
  foreach(target FuzzStoredText FuzzDictionary FuzzGameFile FuzzWordsList)
    add_executable(${target} ${CMAKE_SOURCE_DIR}/fuzz/${target}.cpp)
    target_link_libraries(${target} PRIVATE glyphmason_fuzz_core)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_compile_definitions(${target} PRIVATE GLYPHMASON_LIBFUZZER)
    set_target_properties(${target} PROPERTIES AUTOMOC OFF
                          RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  endforeach()
endif()
