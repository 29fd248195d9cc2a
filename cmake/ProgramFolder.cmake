# The ready program folder also holds the same program under its installer
# name, "Install", and the read-me that the installer shows, in English and
# in the languages it is translated into. Running
# build/Glyphmason/Install installs a copy of the folder.
set(GLYPHMASON_INSTALLER ${GLYPHMASON_PROGRAM_DIR}/Install)
# Readme.txt, and Readme_de.txt and the others in the players' languages.
file(GLOB GLYPHMASON_READMES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/Readme*.txt)
add_custom_command(TARGET Glyphmason POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Glyphmason> ${GLYPHMASON_INSTALLER}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${GLYPHMASON_READMES} ${GLYPHMASON_PROGRAM_DIR}
  COMMENT "Program folder: Install and the read-me files"
  VERBATIM)

