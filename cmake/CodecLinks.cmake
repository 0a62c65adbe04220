# The four codec files the program looks for beside itself, as links to Debian's ffmpeg
# and the libraries it loads. Which library files those are is read off the machine each
# time the links are made (at every build and every install), so a build tree that
# outlives an FFmpeg upgrade makes links that resolve.
#
# Included: defines tolvane_codec_link_targets(). Run as a script:
#   cmake -DFFMPEG=/usr/bin/ffmpeg -DDIR=<folder> [-DFINAL_DIR=<folder>] -P CodecLinks.cmake
# makes the links in <folder>. With FINAL_DIR, the folder the links will finally be in, a
# link whose target lies in the same top-level folder is relative, as Debian wants it.

# Sets `out` to the list name1;target1;name2;target2;... for the given ffmpeg.
function(tolvane_codec_link_targets ffmpeg out)
  execute_process(COMMAND ldd "${ffmpeg}" OUTPUT_VARIABLE ldd ERROR_QUIET)
  set(links "amrcodec.dll" "${ffmpeg}")
  foreach(lib avcodec avformat avutil)
    if(NOT ldd MATCHES "lib${lib}\\.so[^ \t]* => ([^ \t]+)")
      message(FATAL_ERROR "Cannot tell which lib${lib} ${ffmpeg} loads (ldd).")
    endif()
    # The library's name by its soname, in its folder's canonical place, so that the link
    # survives a minor upgrade and belongs to a file that the package manager knows.
    get_filename_component(name "${CMAKE_MATCH_1}" NAME)
    get_filename_component(dir "${CMAKE_MATCH_1}" DIRECTORY)
    file(REAL_PATH "${dir}" dir)
    list(APPEND links "${lib}.dll" "${dir}/${name}")
  endforeach()
  set(${out} "${links}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  tolvane_codec_link_targets("${FFMPEG}" links)
  file(MAKE_DIRECTORY "${DIR}")
  while(links)
    list(POP_FRONT links name target)
    if(FINAL_DIR)
      string(REGEX MATCH "^/[^/]+/" top "${target}")
      string(FIND "${FINAL_DIR}/" "${top}" at)
      if(at EQUAL 0)
        file(RELATIVE_PATH target "${FINAL_DIR}" "${target}")
      endif()
    endif()
    file(CREATE_LINK "${target}" "${DIR}/${name}" SYMBOLIC)
  endwhile()
endif()
