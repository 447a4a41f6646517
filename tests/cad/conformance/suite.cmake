# The cad:: member suite, compiled into each backend's test program, which instantiates it
# with INSTANTIATE_CAD_MEMBER_SUITES (cad_members.h).
set(kestova_cad_member_suite
  ${CMAKE_CURRENT_LIST_DIR}/cad_members.cpp
  ${CMAKE_CURRENT_LIST_DIR}/application_members_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entity_members_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/layer_members_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/refusals_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/table_members_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ucs_members_test.cpp
)
