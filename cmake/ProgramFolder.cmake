# The ready program folder also holds the same program under its installer
# name, "Install", and the read-me that the installer shows. Running
# build/Glyphmason/Install installs a copy of the folder.
set(GLYPHMASON_INSTALLER ${GLYPHMASON_PROGRAM_DIR}/Install)
add_custom_command(TARGET Glyphmason POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Glyphmason> ${GLYPHMASON_INSTALLER}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/data/Readme.txt
          ${GLYPHMASON_PROGRAM_DIR}/Readme.txt
  COMMENT "Program folder: Install and Readme.txt"
  VERBATIM)

