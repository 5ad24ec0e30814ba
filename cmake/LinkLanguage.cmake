# Language libraries: shared libraries loaded at run time from the "Language"
# folder of the program folder. Each exports the functions declared in
# link/common/LanguageLibraryAbi.h. The file is <name>.dll on Windows and
# <name>.so elsewhere (no "lib" prefix), matching the loader's file names.

# The version text a library must report: the program's version text for
# sub-version 4 ("2.04"; a revision other than 0 adds "." and three digits).
set(LINK_LANGUAGE_VERSION "${LINK_VERSION_MAJOR}.${LINK_VERSION_MINOR}4")
if(NOT LINK_VERSION_REVISION EQUAL 0)
  string(LENGTH "${LINK_VERSION_REVISION}" revision_length)
  set(revision_text "${LINK_VERSION_REVISION}")
  while(revision_length LESS 3)
    set(revision_text "0${revision_text}")
    math(EXPR revision_length "${revision_length} + 1")
  endwhile()
  string(APPEND LINK_LANGUAGE_VERSION ".${revision_text}")
endif()

# link_add_language_library(<name> OUTPUT_DIRECTORY <dir> [VERSION <text>] SOURCES <files>...)
function(link_add_language_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "OUTPUT_DIRECTORY;VERSION" "SOURCES")
  if(NOT arg_VERSION)
    set(arg_VERSION "${LINK_LANGUAGE_VERSION}")
  endif()
  add_library(${name} MODULE ${arg_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/link ${PROJECT_SOURCE_DIR})
  target_compile_definitions(${name} PRIVATE LINK_LANGUAGE_VERSION="${arg_VERSION}")
  if(WIN32)
    set(suffix ".dll")
  else()
    set(suffix ".so")
  endif()
  set_target_properties(${name} PROPERTIES
    PREFIX ""
    SUFFIX "${suffix}"
    LIBRARY_OUTPUT_DIRECTORY "${arg_OUTPUT_DIRECTORY}"
    RUNTIME_OUTPUT_DIRECTORY "${arg_OUTPUT_DIRECTORY}")
endfunction()
