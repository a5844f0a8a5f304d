# Fails when a folder includes one above it. The folders form one chain, each
# seeing only the folders before it:
#   base → results → conditions → engine → report → reference → run → app → gui
# with two narrowings: the engine computes on the calculation state alone, so
# it never sees the results model, and the PDF writer (pdf/, on base only) is
# seen by the application layer alone.
# Run with -DROOT=<source tree>.
cmake_policy(VERSION 3.25)
set(chain base results conditions engine report reference run app gui)
set(project_folders ${chain} pdf)

set(hits "")
set(below "")
foreach(dir IN LISTS chain ITEMS pdf)
  if(dir STREQUAL "pdf")
    set(allowed base)
  else()
    set(allowed ${below})
    list(APPEND below ${dir})
  endif()
  if(dir STREQUAL "engine")
    list(REMOVE_ITEM allowed results)
  endif()
  if(dir STREQUAL "app" OR dir STREQUAL "gui")
    list(APPEND allowed pdf)
  endif()

  file(GLOB_RECURSE files ${ROOT}/${dir}/*.h ${ROOT}/${dir}/*.cpp)
  foreach(f IN LISTS files)
    file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z_]+/")
    foreach(line IN LISTS lines)
      string(REGEX MATCH "\"([a-z_]+)/[^\"]*\"" included "${line}")
      set(folder ${CMAKE_MATCH_1})
      if(folder STREQUAL dir OR NOT folder IN_LIST project_folders OR folder IN_LIST allowed)
        continue()
      endif()
      file(RELATIVE_PATH rel ${ROOT} ${f})
      list(APPEND hits "  ${rel} (${dir}/) includes ${included} (${folder}/)")
    endforeach()
  endforeach()
endforeach()

if(hits)
  string(REPLACE ";" "\n" report "${hits}")
  message(FATAL_ERROR "A folder includes one it may not see:\n${report}")
endif()
