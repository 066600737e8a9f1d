# tovrex_host_library(NAME SOURCES...): one of the host's library stand-ins as a DLL
# named NAME.dll, exporting exactly the names in NAME-<arch>.def beside the caller's
# CMakeLists.txt, undecorated on both architectures with the standard calling
# convention, as the host's own libraries are. NAME_BUILD is defined while it compiles.
function(tovrex_host_library name)
  add_library(${name} SHARED ${ARGN} ${name}-${CMAKE_SYSTEM_PROCESSOR}.def)
  set_target_properties(${name} PROPERTIES PREFIX "" OUTPUT_NAME ${name})
  string(TOUPPER ${name} upper)
  target_compile_definitions(${name} PRIVATE ${upper}_BUILD)
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/host)
  target_link_libraries(${name} PRIVATE tovrex_common)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL i686)
    # The i686 .def lists the decorated names (Name@8); --kill-at exports them plain.
    target_link_options(${name} PRIVATE -Wl,--kill-at)
    # The linker's own import library then names its symbols plain as well, which a
    # client compiled against the header (it asks for _imp__Name@8) cannot link with.
    # dlltool --kill-at builds one that keeps the decorated symbols and imports the
    # plain names; it replaces the linker's after every link.
    if(NOT CMAKE_DLLTOOL)
      message(FATAL_ERROR "${name}: dlltool not found (binutils-mingw-w64-i686)")
    endif()
    add_custom_command(TARGET ${name} POST_BUILD
      COMMAND ${CMAKE_DLLTOOL} --kill-at --dllname ${name}.dll
              --input-def ${CMAKE_CURRENT_SOURCE_DIR}/${name}-i686.def
              --output-lib $<TARGET_LINKER_FILE:${name}>
      VERBATIM)
  endif()
endfunction()
