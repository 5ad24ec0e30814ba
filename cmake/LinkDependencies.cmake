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
# pugixml for the herd-management client's configuration. Debian has no pugixml
# for MinGW: the Windows cross build goes without it (see link/CMakeLists.txt).
if(NOT WIN32)
  find_package(ODBC REQUIRED)
endif()
find_package(pugixml QUIET)
