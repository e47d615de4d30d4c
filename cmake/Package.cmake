# What `cmake --install` lays out and CPack zips, for hosts built outside this tree:
#   include/                            the control's exported headers, the frame classes'
#                                       headers (include/frame/) and the framework's headers
#   lib/                                import libraries and the framework's program entry point
#   bin/                                the DLLs and the GCC runtime they load
#   lib/cmake/TarvexPropertyGrid/       the package configuration: Tarvex::PropertyGrid and
#                                       Tarvex::afx with their include directories, definitions
#                                       and link options
include(CMakePackageConfigHelpers)

set(PG_PACKAGE_DIR lib/cmake/TarvexPropertyGrid)

set_target_properties(TarvexPropertyGrid PROPERTIES EXPORT_NAME PropertyGrid)
install(TARGETS afx TarvexPropertyGrid EXPORT TarvexPropertyGridTargets
        RUNTIME DESTINATION bin
        ARCHIVE DESTINATION lib)
install(EXPORT TarvexPropertyGridTargets NAMESPACE Tarvex:: DESTINATION ${PG_PACKAGE_DIR})

# wWinMain → AfxWinMain, linked into a host's executables by the package configuration as MFC's
# libraries link it into theirs.
install(FILES $<TARGET_OBJECTS:afxmain> DESTINATION lib RENAME afxmain.obj)

file(GLOB PG_EXPORTED_HEADERS ${PROJECT_SOURCE_DIR}/include/*.h)
file(GLOB PG_FRAME_HEADERS ${PROJECT_SOURCE_DIR}/frame/*.h)
file(GLOB PG_FRAMEWORK_HEADERS ${PROJECT_SOURCE_DIR}/afx/include/*.h)
install(FILES ${PG_EXPORTED_HEADERS} ${PG_FRAMEWORK_HEADERS} DESTINATION include)
install(FILES ${PG_FRAME_HEADERS} DESTINATION include/frame)

foreach(runtime_dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    install(FILES ${PG_BIN_DIR}/${runtime_dll} DESTINATION bin)
endforeach()

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/TarvexPropertyGridConfig.cmake.in
                              ${CMAKE_BINARY_DIR}/TarvexPropertyGridConfig.cmake
                              INSTALL_DESTINATION ${PG_PACKAGE_DIR})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/TarvexPropertyGridConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/TarvexPropertyGridConfig.cmake
              ${CMAKE_BINARY_DIR}/TarvexPropertyGridConfigVersion.cmake
        DESTINATION ${PG_PACKAGE_DIR})

# `cpack --config build/CPackConfig.cmake` zips the same layout as
# TarvexPropertyGrid-<version>-win64.zip.
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME TarvexPropertyGrid)
set(CPACK_PACKAGE_VENDOR Tarvex)
set(CPACK_PACKAGE_FILE_NAME TarvexPropertyGrid-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
