# Third-party packages. Every one comes from Debian's packages (scripts/install-deps).

if(LINK_BUILD_TESTS)
  find_package(GTest QUIET)
  if(NOT GTest_FOUND)
    # Cross builds: Debian's googletest package ships the sources.
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/_googletest EXCLUDE_FROM_ALL)
    foreach(lib gtest gtest_main gmock)
      if(NOT TARGET GTest::${lib})
        add_library(GTest::${lib} ALIAS ${lib})
      endif()
    endforeach()
  endif()
endif()

# Herd database access: ODBC (Windows' own driver manager, unixODBC elsewhere) and
# pugixml for the herd-management client's configuration. For the Windows cross
# build scripts/mingw-deps builds pugixml from Debian's source package.
if(NOT WIN32)
  find_package(ODBC REQUIRED)
endif()
find_package(pugixml QUIET)
if(NOT pugixml_FOUND)
  message(FATAL_ERROR "pugixml not found: the herd-management client's configuration "
                      "cannot be read without it. Run scripts/install-deps (for the Windows "
                      "build it builds pugixml into /opt/vantorlink-deps).")
endif()
