# The real-input scenarios: the ready program folder of this build, played on
# a private virtual X server through X input events. Each scenario is one
# test, run twice: on a bare X server (e2e.NAME), where the program itself
# must size and place its window, and under the openbox window manager
# (e2e.wm.NAME), with frames, focus, minimising and full screen as players
# have them. They take turns, one virtual screen at a time, so that a loaded
# machine gives each the time it needs.
set(GLYPHMASON_E2E_SCENARIOS
    play moves close second-instance install uninstall-copy folder-game window captions suggest
    squatted-instance second-start-shows
    keys language screen-reader
    stuck-drag game-end)
# Scenarios that need a window manager's focus handling run under openbox
# only: Orca follows the active window.
set(GLYPHMASON_E2E_WM_ONLY_SCENARIOS screen-reader-speech)
foreach(scenario IN LISTS GLYPHMASON_E2E_SCENARIOS GLYPHMASON_E2E_WM_ONLY_SCENARIOS)
  set(managers "" openbox)
  if(scenario IN_LIST GLYPHMASON_E2E_WM_ONLY_SCENARIOS)
    set(managers openbox)
  endif()
  foreach(manager IN LISTS managers)
    if(manager STREQUAL "")
      set(name e2e.${scenario})
    else()
      set(name e2e.wm.${scenario})
    endif()
    add_test(NAME ${name}
             COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/Scenarios.sh ${scenario}
                     ${GLYPHMASON_PROGRAM_DIR} ${CMAKE_BINARY_DIR}/e2e-artifacts)
    set_tests_properties(${name} PROPERTIES
                         ENVIRONMENT "GLYPHMASON_E2E_WM=${manager};GLYPHMASON_UI_TESTS=$<TARGET_FILE:glyphmason_ui_tests>"
                         SKIP_RETURN_CODE 77
                         TIMEOUT 300
                         RESOURCE_LOCK glyphmason_e2e_screen)
  endforeach()
endforeach()

# Scenarios that only make sense with a window manager's frame: scaled
# screens, where the frame must stay inside the screen too.
foreach(scenario IN ITEMS scaled-150 scaled-200)
  add_test(NAME e2e.wm.${scenario}
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/Scenarios.sh ${scenario}
                   ${GLYPHMASON_PROGRAM_DIR} ${CMAKE_BINARY_DIR}/e2e-artifacts)
  set_tests_properties(e2e.wm.${scenario} PROPERTIES
                       ENVIRONMENT "GLYPHMASON_E2E_WM=openbox;GLYPHMASON_UI_TESTS=$<TARGET_FILE:glyphmason_ui_tests>"
                       SKIP_RETURN_CODE 77
                       TIMEOUT 300
                       RESOURCE_LOCK glyphmason_e2e_screen)
endforeach()

# The game in a Wayland session: a headless sway, once, with no window
# manager variant. Skipped only where sway is not installed.
add_test(NAME e2e.wayland
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/WaylandSession.sh ${GLYPHMASON_PROGRAM_DIR}
                 ${CMAKE_BINARY_DIR}/e2e-artifacts)
set_tests_properties(e2e.wayland PROPERTIES
                     SKIP_RETURN_CODE 77
                     TIMEOUT 300
                     RESOURCE_LOCK glyphmason_e2e_screen)
