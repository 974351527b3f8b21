# What `cmake --install` puts under the prefix:
#   lib/libvarnix.so.1.3.4 (SONAME libvarnix.so.1) with its links, include/varnix/ (the engine's
#   headers in their folders, the platform interfaces they include in include/varnix/platform/),
#   lib/cmake/Varnix/ (find_package(Varnix), imported target Varnix::varnix), lib/pkgconfig/varnix.pc,
#   bin/ (the programs) and share/farreach/Data (the demo's Data folder).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(VARNIX_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Varnix)
set(FARREACH_INSTALL_SHAREDIR ${CMAKE_INSTALL_DATADIR}/farreach)
# Installed programs find libvarnix and the Data folder relative to their own folder, so a prefix
# can be moved or unpacked anywhere.
file(RELATIVE_PATH VARNIX_BIN_TO_LIB /${CMAKE_INSTALL_BINDIR} /${CMAKE_INSTALL_LIBDIR})
file(RELATIVE_PATH FARREACH_BIN_TO_SHARE /${CMAKE_INSTALL_BINDIR} /${FARREACH_INSTALL_SHAREDIR})

# A program that goes into bin/: tools/pathedit takes it the same way, `varnix_install_program(pathedit)`.
function(varnix_install_program target)
  set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN/${VARNIX_BIN_TO_LIB}")
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT programs)
endfunction()

# The platform's interface headers that the engine's headers include (and those include in turn).
set(VARNIX_PLATFORM_HEADERS
  win32/windows.h
  mfc/afxapp.h mfc/afxcmn.h mfc/afxcoll.h mfc/afxdialog.h mfc/afxdisp.h mfc/afxext.h mfc/afxmt.h
  mfc/afxobj.h mfc/afxstr.h mfc/afxwin.h mfc/afxwnd.h mfc/dialog_controls.h mfc/dialog_template.h
  d3d8/d3d8.h d3d8/d3d8caps.h d3d8/d3d8types.h d3d8/d3dtypes_base.h
  d3dx8/d3dx8.h d3dx8/d3dx8math.h d3dx8/d3dx8math_inline.h d3dx8/d3dx8mesh.h d3dx8/d3dx8tex.h
  dinput8/dinput.h
  bass/bass.h)

# The library, its headers and the two ways of finding it: a CMake package and a pkg-config file.
function(varnix_install_library)
  install(TARGETS varnix EXPORT VarnixTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT library NAMELINK_COMPONENT development)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/engine/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/varnix
    COMPONENT development FILES_MATCHING PATTERN "*.h")
  list(TRANSFORM VARNIX_PLATFORM_HEADERS PREPEND ${PROJECT_SOURCE_DIR}/platform/ OUTPUT_VARIABLE headers)
  install(FILES ${headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/varnix/platform COMPONENT development)

  install(EXPORT VarnixTargets NAMESPACE Varnix:: DESTINATION ${VARNIX_INSTALL_CMAKEDIR} COMPONENT development)
  configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/VarnixConfig.cmake.in
    ${PROJECT_BINARY_DIR}/VarnixConfig.cmake INSTALL_DESTINATION ${VARNIX_INSTALL_CMAKEDIR})
  write_basic_package_version_file(${PROJECT_BINARY_DIR}/VarnixConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
  install(FILES ${PROJECT_BINARY_DIR}/VarnixConfig.cmake ${PROJECT_BINARY_DIR}/VarnixConfigVersion.cmake
    DESTINATION ${VARNIX_INSTALL_CMAKEDIR} COMPONENT development)

  # varnix.pc names its prefix relative to its own folder, so it is right wherever the prefix lies.
  file(RELATIVE_PATH pc_to_prefix /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
  string(REGEX REPLACE "/$" "" VARNIX_PC_PREFIX "\${pcfiledir}/${pc_to_prefix}")
  configure_file(${PROJECT_SOURCE_DIR}/cmake/varnix.pc.in ${PROJECT_BINARY_DIR}/varnix.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/varnix.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)
endfunction()

# The Data folder that the build's datagen writes.
function(farreach_install_data)
  install(DIRECTORY ${PROJECT_BINARY_DIR}/Data DESTINATION ${FARREACH_INSTALL_SHAREDIR} COMPONENT programs
    PATTERN .datagen-stamp EXCLUDE)
endfunction()
