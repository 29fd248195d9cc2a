# The game's dictionaries, made from Debian's word-list packages into the
# program folder's GlyphmasonDictionaries/ at every build where the word
# lists or the generator changed. The files are generated, never kept in
# the source tree.

add_executable(MakeDictionaries
  ${CMAKE_SOURCE_DIR}/tools/MakeDictionaries/MakeDictionaries.cpp
  ${CMAKE_SOURCE_DIR}/tools/MakeDictionaries/WordRules.cpp)
target_link_libraries(MakeDictionaries PRIVATE glyphmason_core)
set_target_properties(MakeDictionaries PROPERTIES AUTOMOC OFF)

set(GLYPHMASON_WORD_LISTS_DIR /usr/share/dict)
set(GLYPHMASON_DICTIONARIES_DIR ${GLYPHMASON_PROGRAM_DIR}/GlyphmasonDictionaries)
set(word_lists)
foreach(list american-english ngerman french spanish italian dutch)
  if(EXISTS ${GLYPHMASON_WORD_LISTS_DIR}/${list})
    list(APPEND word_lists ${GLYPHMASON_WORD_LISTS_DIR}/${list})
  endif()
endforeach()

set(dictionaries_stamp ${CMAKE_BINARY_DIR}/MakeDictionaries.stamp)
add_custom_command(
  OUTPUT ${dictionaries_stamp}
  COMMAND MakeDictionaries ${GLYPHMASON_WORD_LISTS_DIR} /usr/share/doc ${GLYPHMASON_DICTIONARIES_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${dictionaries_stamp}
  DEPENDS MakeDictionaries ${word_lists}
  COMMENT "Making the dictionaries in ${GLYPHMASON_DICTIONARIES_DIR}"
  VERBATIM)
add_custom_target(GlyphmasonDictionaries ALL DEPENDS ${dictionaries_stamp})

# The word rules are tested with the other plain tests.
if(TARGET glyphmason_core_tests)
  target_sources(glyphmason_core_tests PRIVATE ${CMAKE_SOURCE_DIR}/tools/MakeDictionaries/WordRules.cpp)
endif()

# The dictionary benchmark loads the largest of the generated dictionaries.
if(TARGET glyphmason_benchmarks)
  target_compile_definitions(glyphmason_benchmarks PRIVATE
                             GLYPHMASON_PROGRAM_FOLDER="${GLYPHMASON_PROGRAM_DIR}")
  add_dependencies(glyphmason_benchmarks GlyphmasonDictionaries)
endif()
