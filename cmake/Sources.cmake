# Collects the sources of the given top folders. Files under a folder named
# "ui" (and everything under window/) use Qt and go to the UI set; all other
# files are plain C++ and go to the CORE set.
function(glyphmason_sources out kind)
  set(result)
  foreach(top IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
         ${CMAKE_SOURCE_DIR}/${top}/*.cpp ${CMAKE_SOURCE_DIR}/${top}/*.h)
    foreach(file IN LISTS found)
      file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${file})
      if(rel MATCHES "(^|/)ui/" OR rel MATCHES "^window/")
        set(is_ui TRUE)
      else()
        set(is_ui FALSE)
      endif()
      if((kind STREQUAL "UI" AND is_ui) OR (kind STREQUAL "CORE" AND NOT is_ui))
        list(APPEND result ${file})
      endif()
    endforeach()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()
