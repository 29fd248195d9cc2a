# The program's texts in German, French, Spanish, Italian and Dutch. The .ts
# files under translations/ are kept in the repository: the target
# update_translations (lupdate) brings them up to date with the sources, and
# every build compiles them (lrelease) into translations/ of the program
# folder, where the program looks for the player's language. English needs
# no file: the sources' texts are the English ones.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(GLYPHMASON_LANGUAGES de fr es it nl)
# The plain C++ parts mark their texts with Translated() and
# TranslatableText(); lupdate reads them as translate() and
# QT_TRANSLATE_NOOP(). Without source locations the files change only when
# a text does.
set(GLYPHMASON_LUPDATE_OPTIONS
    -tr-function-alias translate+=Translated,QT_TRANSLATE_NOOP+=TranslatableText
    -locations none -no-obsolete -silent)

set(GLYPHMASON_TS_FILES)
foreach(language IN LISTS GLYPHMASON_LANGUAGES)
  list(APPEND GLYPHMASON_TS_FILES ${CMAKE_SOURCE_DIR}/translations/glyphmason_${language}.ts)
endforeach()
set_source_files_properties(${GLYPHMASON_TS_FILES} PROPERTIES
                            OUTPUT_LOCATION ${GLYPHMASON_PROGRAM_DIR}/translations)
set(GLYPHMASON_TRANSLATED_SOURCES ${GLYPHMASON_CORE_SOURCES} ${GLYPHMASON_UI_SOURCES}
    ${CMAKE_SOURCE_DIR}/Glyphmason.cpp)
qt_add_lupdate(Glyphmason TS_FILES ${GLYPHMASON_TS_FILES}
               SOURCES ${GLYPHMASON_TRANSLATED_SOURCES}
               INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}
               OPTIONS ${GLYPHMASON_LUPDATE_OPTIONS})
qt_add_lrelease(Glyphmason TS_FILES ${GLYPHMASON_TS_FILES} OPTIONS -silent)

# The sources lupdate reads and where their includes start, for the check
# that the .ts files are complete.
list(JOIN GLYPHMASON_TRANSLATED_SOURCES "\n" sourceLines)
file(WRITE ${CMAKE_BINARY_DIR}/TranslatedSources.txt "-I${CMAKE_SOURCE_DIR}\n${sourceLines}\n")
