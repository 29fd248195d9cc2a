# The folders form layers, each building only on those below it:
#   Libraries < lexicon < game < dictionary < persistence < session < window
# (the words list and the letter data lie below both the rules engine and the
# dictionaries; the game session holds the game, its files and records and
# runs every player command). A ui/ folder ranks with the folder it lies in: its dialogs
# use that folder and those below it, never a window above. The main window
# stands on top and may use all of them. Configuring fails on an include that
# points upwards, so a circle between folders cannot come back unnoticed.
function(glyphmason_check_layers)
  set(layers Libraries lexicon game dictionary persistence session window)
  set(violations)
  foreach(file IN LISTS ARGN)
    file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${file})
    string(REGEX MATCH "^[^/]+" own ${rel})
    list(FIND layers ${own} ownRank)
    file(STRINGS ${file} includes REGEX "^#include \"[^\"/]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([^\"/]+)/.*" "\\1" top "${line}")
      list(FIND layers ${top} topRank)
      if(topRank GREATER ownRank OR (topRank EQUAL -1 AND NOT ownRank EQUAL -1))
        list(APPEND violations "${rel}: ${line}")
      endif()
    endforeach()
  endforeach()
  if(violations)
    list(JOIN violations "\n  " text)
    message(FATAL_ERROR "Includes against the layers:\n  ${text}")
  endif()
endfunction()
