# What ships: the plug-in, the host's library stand-ins and the demo host's programs.
# tovrex_ship() gives each a version resource made from the project's one version number
# (project() in the top CMakeLists.txt), lists it for the checks in tests/checks, and
# installs it flat, as a host installs it: `cmake --install build/<arch> --prefix
# dist/<arch>` copies exactly the files the tests ran against. The target `ship` builds
# them all.
set(TOVREX_PRODUCT_NAME "TOVREX inlet editor")
# C++ code that prints the version includes tovrex_version.h from here.
set(TOVREX_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${TOVREX_GENERATED_DIR}/tovrex_version.h
               @ONLY)
add_custom_target(ship)

# tovrex_ship(TARGET DESCRIPTION): TARGET ships, with DESCRIPTION as the file description
# of its version resource. Read back by the checks through the target property
# TOVREX_DESCRIPTION and the global property TOVREX_SHIPPED.
function(tovrex_ship target description)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL SHARED_LIBRARY)
    set(TOVREX_FILE_TYPE VFT_DLL)
    set(TOVREX_FILE_NAME ${target}${CMAKE_SHARED_LIBRARY_SUFFIX})
  else()
    set(TOVREX_FILE_TYPE VFT_APP)
    set(TOVREX_FILE_NAME ${target}${CMAKE_EXECUTABLE_SUFFIX})
  endif()
  set(TOVREX_INTERNAL_NAME ${target})
  set(TOVREX_FILE_DESCRIPTION "${description}")
  set(rc ${TOVREX_GENERATED_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_target_properties(${target} PROPERTIES TOVREX_DESCRIPTION "${description}")
  set_property(GLOBAL APPEND PROPERTY TOVREX_SHIPPED ${target})
  install(PROGRAMS $<TARGET_FILE:${target}> DESTINATION .)
  add_dependencies(ship ${target})
endfunction()
