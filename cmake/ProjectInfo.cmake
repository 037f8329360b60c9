# The installed layout and the header that tells it, with the version, to the code:
# target quillora_project_info, header "ProjectInfo.h".
set(QUILLORA_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/quillora)
# The plug-ins are the program's own; per architecture where the system has a multiarch
# library folder, as Debian keeps plug-ins.
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(QUILLORA_INSTALL_PLUGINDIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/quillora)
else()
  set(QUILLORA_INSTALL_PLUGINDIR ${CMAKE_INSTALL_LIBDIR}/quillora)
endif()

# Relative, so that an installed tree works wherever it is unpacked.
file(RELATIVE_PATH QUILLORA_DATA_FROM_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/quillora)
file(RELATIVE_PATH QUILLORA_PLUGINS_FROM_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${QUILLORA_INSTALL_PLUGINDIR})

configure_file(${CMAKE_CURRENT_LIST_DIR}/ProjectInfo.h.in ${CMAKE_BINARY_DIR}/generated/ProjectInfo.h @ONLY)
add_library(quillora_project_info INTERFACE)
target_include_directories(quillora_project_info INTERFACE ${CMAKE_BINARY_DIR}/generated)
