# Install rules and the CMake package a host game's build finds with find_package(Orvane):
# the public headers, the shared libraries and, on Windows, their import libraries, and the
# sample data files.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# The headers a host includes, installed under include/orvane: the host interfaces and each
# library's exported manager (orvane/Orvane.h, orvane/OrvaneDemo.h). They declare only what the
# libraries export or define inline; the library's own code includes the same files.
set(ORVANE_HEADER_DIR ${CMAKE_INSTALL_INCLUDEDIR}/orvane)
install(FILES include/orvane/OrvTypes.h include/orvane/WinTypes.h include/orvane/ORVCallBack.h
  DESTINATION ${ORVANE_HEADER_DIR})
install(FILES maingame/orvane/ORVMgr.h DESTINATION ${ORVANE_HEADER_DIR} RENAME Orvane.h)
if(TARGET OrvaneDemo)
  install(FILES include/orvane/ORVHostProc.h include/orvane/Direct3DTypes.h
    DESTINATION ${ORVANE_HEADER_DIR})
  install(FILES maingame/orvanedemo/ORVMgr.h DESTINATION ${ORVANE_HEADER_DIR} RENAME OrvaneDemo.h)
endif()

# The targets of the builds that exist in this tree (Orvane, and OrvaneDemo with the renderer it
# loads).
set(ORVANE_INSTALLED_TARGETS Orvane)
if(TARGET OrvaneDemo)
  list(APPEND ORVANE_INSTALLED_TARGETS OrvaneDemo glimmer)
endif()
# Installed side by side, each finds the others in its own folder (OrvaneDemo finds the renderer):
# a RUNPATH of $ORIGIN.
if(NOT WIN32)
  set_target_properties(${ORVANE_INSTALLED_TARGETS} PROPERTIES INSTALL_RPATH "$ORIGIN")
endif()
install(TARGETS ${ORVANE_INSTALLED_TARGETS} EXPORT OrvaneTargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
# The sample data files the libraries read, under share/orvane in the layout they look for them:
# Orvane's data/help/ goes beside the host's working folder (the library reads ../data/help/),
# OrvaneDemo's orvdata/help/ inside it (./orvdata/help/).
set(ORVANE_DATA_DIR ${CMAKE_INSTALL_DATADIR}/orvane)
install(FILES data/help/aerie.xml data/help/aerieconfig.xml DESTINATION ${ORVANE_DATA_DIR}/data/help)
if(TARGET OrvaneDemo)
  install(FILES tools/orvanedemo_data/orvdata/help/config.xml tools/orvanedemo_data/orvdata/help/GardenMgr.xml
    DESTINATION ${ORVANE_DATA_DIR}/orvdata/help)
endif()
install(EXPORT OrvaneTargets NAMESPACE Orvane:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Orvane)
# The compiler's runtime DLLs a toolchain links shared (i686: the one unwinder), beside the DLLs.
foreach(dll IN LISTS ORVANE_SHARED_RUNTIME_DLLS)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll} OUTPUT_VARIABLE path
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  install(FILES ${path} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/OrvaneConfig.cmake.in
  ${CMAKE_BINARY_DIR}/OrvaneConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Orvane)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/OrvaneConfigVersion.cmake
  VERSION 1.0.0 COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/OrvaneConfig.cmake ${CMAKE_BINARY_DIR}/OrvaneConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Orvane)
