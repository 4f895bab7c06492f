# Each library shows its users only its own headers: quorvel_headers(TARGET FOLDER)
# links the headers directly in src/FOLDER (not those of folders below it) into a
# folder of the build tree that becomes the target's public include root, so
# "FOLDER/name.h" resolves only for the target itself and for what links to it. A
# lower layer that includes a higher one does not compile.
function(quorvel_headers target folder)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
  file(MAKE_DIRECTORY ${root}/${folder})
  foreach(header IN LISTS headers)
    get_filename_component(name ${header} NAME)
    file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
