# The version a build reports and the Debian package's version, both from the
# number project() declares (the one place it is written):
#   NUBERA_VERSION_TEXT     "1.1.0" on the release tag v1.1.0 or outside a
#                           git checkout, "1.1.0+g1a2b3c4" on any other commit
#   NUBERA_PACKAGE_VERSION  "1.1.0-1" on the tag; elsewhere a snapshot whose
#                           commit count orders it: "1.1.0+git5.g1a2b3c4-1"
#                           after the tag, "1.1.0~git312.g1a2b3c4-1" before it
#                           (a snapshot of the way to 1.1.0 sorts below it)
# The configuration runs again when HEAD moves, so a build never reports an
# older commit than it was built from.
set(NUBERA_DEBIAN_REVISION 1 CACHE STRING "The Debian revision of the package")

set(NUBERA_VERSION_TEXT ${PROJECT_VERSION})
set(nubera_upstream ${PROJECT_VERSION})

find_package(Git QUIET)
if(GIT_FOUND)
  function(nubera_git output)
    execute_process(COMMAND ${GIT_EXECUTABLE} ${ARGN} WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                    OUTPUT_VARIABLE out RESULT_VARIABLE failed
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(failed)
      set(out "")
    endif()
    set(${output} "${out}" PARENT_SCOPE)
  endfunction()

  nubera_git(nubera_commit rev-parse --short=7 HEAD)
  if(nubera_commit)
    nubera_git(nubera_described describe --tags --match "v[0-9]*" --long --abbrev=7 HEAD)
    set(nubera_tag "")
    set(nubera_since "")
    if(nubera_described MATCHES "^(v.*)-([0-9]+)-g[0-9a-f]+$")
      set(nubera_tag ${CMAKE_MATCH_1})
      set(nubera_since ${CMAKE_MATCH_2})
    else()
      nubera_git(nubera_since rev-list --count HEAD)
    endif()
    if(NOT (nubera_tag STREQUAL "v${PROJECT_VERSION}" AND nubera_since EQUAL 0))
      set(NUBERA_VERSION_TEXT "${PROJECT_VERSION}+g${nubera_commit}")
      if(nubera_tag STREQUAL "v${PROJECT_VERSION}")
        set(nubera_upstream "${PROJECT_VERSION}+git${nubera_since}.g${nubera_commit}")
      else()
        set(nubera_upstream "${PROJECT_VERSION}~git${nubera_since}.g${nubera_commit}")
      endif()
    endif()

    # Moving HEAD (a commit, a checkout) or adding a tag configures again.
    nubera_git(nubera_head_file rev-parse --path-format=absolute --git-path HEAD)
    nubera_git(nubera_branch symbolic-ref -q HEAD)
    set(nubera_watched ${nubera_head_file})
    foreach(ref ${nubera_branch} packed-refs refs/tags)
      nubera_git(path rev-parse --path-format=absolute --git-path ${ref})
      if(path AND EXISTS ${path})
        list(APPEND nubera_watched ${path})
      endif()
    endforeach()
    set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
                 ${nubera_watched})
  endif()
endif()

set(NUBERA_PACKAGE_VERSION "${nubera_upstream}-${NUBERA_DEBIAN_REVISION}")
message(STATUS "ヌベラ ${NUBERA_VERSION_TEXT} (package ${NUBERA_PACKAGE_VERSION})")
