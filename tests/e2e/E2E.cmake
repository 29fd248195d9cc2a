# The real-input scenarios: the ready program folder of this build, played on
# a private virtual X server through X input events. Each scenario is one
# test; they take turns, one virtual screen at a time, so that a loaded
# machine gives each the time it needs.
set(GLYPHMASON_E2E_SCENARIOS play moves close second-instance install suggest)
foreach(scenario IN LISTS GLYPHMASON_E2E_SCENARIOS)
  add_test(NAME e2e.${scenario}
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/Scenarios.sh ${scenario}
                   ${GLYPHMASON_PROGRAM_DIR} ${CMAKE_BINARY_DIR}/e2e-artifacts)
  set_tests_properties(e2e.${scenario} PROPERTIES
                       SKIP_RETURN_CODE 77
                       TIMEOUT 300
                       RESOURCE_LOCK glyphmason_e2e_screen)
endforeach()
