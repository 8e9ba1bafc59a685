# The help and the explanatory figures are files of the application folder:
# copied beside the programs at build time, where the program looks for them.
set(nubera_assets_dir ${CMAKE_CURRENT_LIST_DIR})
file(GLOB nubera_help_files CONFIGURE_DEPENDS ${nubera_assets_dir}/help/*)
file(GLOB nubera_figure_files CONFIGURE_DEPENDS ${nubera_assets_dir}/figures/*.svg)

set(nubera_asset_outputs "")
foreach(source IN LISTS nubera_help_files nubera_figure_files)
  get_filename_component(name ${source} NAME)
  if(source IN_LIST nubera_help_files)
    set(output ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Help/${name})
  else()
    set(output ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name})
  endif()
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${output}
    DEPENDS ${source}
    VERBATIM)
  list(APPEND nubera_asset_outputs ${output})
endforeach()
add_custom_target(nubera_assets DEPENDS ${nubera_asset_outputs})

# The mark of a build tree: the desktop program writes its workbooks beside
# itself only where this file lies (a portable copy carries it too). It is
# never installed.
configure_file(${nubera_assets_dir}/nubera-portable.txt
               ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/nubera-portable.txt COPYONLY)
